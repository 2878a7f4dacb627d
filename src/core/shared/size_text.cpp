#include "core/shared/size_text.h"

#include <clocale>
#include <cmath>
#include <cstdio>

namespace norvane {

std::string FormatFixed2(long double value, char decimalSeparator) {
  // printf rounds exact binary halves to even (1.125 -> 1.12); we round them away from zero.
  long double rounded = std::round(value * 100.0L) / 100.0L;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2Lf", rounded);
  std::string text = buf;
  if (text == "-0.00") text = "0.00";
  for (char& c : text)
    if (c == '.') c = decimalSeparator;
  return text;
}

std::string ConFileSize(std::int64_t n, char decimalSeparator) {
  if (n < 1024) return std::to_string(n) + " byte";
  const long double v = static_cast<long double>(n);
  if (v / 1024 < 1024) return FormatFixed2(v / 1024, decimalSeparator) + " KB";
  if (v / 1048576 < 1024) return FormatFixed2(v / 1048576, decimalSeparator) + " MB";
  return FormatFixed2(v / 1073741824, decimalSeparator) + " GB";
}

std::string ConFileSize(std::int64_t n) {
  const std::lconv* lc = std::localeconv();
  const char sep = (lc && lc->decimal_point && *lc->decimal_point) ? *lc->decimal_point : '.';
  return ConFileSize(n, sep);
}

}  // namespace norvane
