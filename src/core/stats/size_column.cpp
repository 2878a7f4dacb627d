#include "core/stats/size_column.h"

#include <clocale>

#include "core/shared/size_text.h"

namespace norvane {

const char* const kUnknownShareText = "分区大小未知";

std::string sizeColumnText(std::int64_t bytes, std::int64_t partitionSize, char decimalSeparator) {
  std::string text = ConFileSize(bytes, decimalSeparator) + "  (";
  if (partitionSize <= 0) return text + kUnknownShareText + ")";
  // In long double: exact for every 64-bit count, and bytes * 100 cannot overflow.
  const long double share =
      static_cast<long double>(bytes) * 100.0L / static_cast<long double>(partitionSize);
  return text + FormatFixed2(share, decimalSeparator) + "%)";
}

std::string sizeColumnText(std::int64_t bytes, std::int64_t partitionSize) {
  const std::lconv* lc = std::localeconv();
  const char sep = (lc && lc->decimal_point && *lc->decimal_point) ? *lc->decimal_point : '.';
  return sizeColumnText(bytes, partitionSize, sep);
}

}  // namespace norvane
