#include "core/update/version_date.h"

#include <chrono>
#include <cstdint>
#include <vector>

#include "core/search/file_time.h"
#include "platform/local_time.h"

namespace norvane {

namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool isLeap(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

unsigned daysInMonth(std::int64_t y, unsigned m) {
  static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// Splits `text` into numbers separated by exactly `separator`; false on anything else.
bool numbers(std::string_view text, char separator, std::vector<unsigned>& out) {
  out.clear();
  unsigned value = 0;
  int digits = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (++digits > 4) return false;
      value = value * 10 + static_cast<unsigned>(c - '0');
    } else if (c == separator && digits > 0) {
      out.push_back(value);
      value = 0;
      digits = 0;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  out.push_back(value);
  return true;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<double> parseVersionDate(std::string_view text) {
  text = trim(text);
  std::string_view datePart = text;
  std::string_view timePart;
  const auto cut = text.find_first_of(" T");
  if (cut != std::string_view::npos) {
    datePart = text.substr(0, cut);
    timePart = trim(text.substr(cut + 1));
    if (timePart.empty()) return std::nullopt;
  }
  std::vector<unsigned> date;
  bool parsed = false;
  for (char separator : {'-', '/', '.'}) {
    if (numbers(datePart, separator, date) && date.size() == 3) {
      parsed = true;
      break;
    }
  }
  if (!parsed) return std::nullopt;
  const std::int64_t year = date[0];
  const unsigned month = date[1];
  const unsigned day = date[2];
  if (year < 100 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) {
    return std::nullopt;
  }
  double fraction = 0.0;
  if (!timePart.empty()) {
    std::vector<unsigned> time;
    if (!numbers(timePart, ':', time) || time.size() < 2 || time.size() > 3) return std::nullopt;
    const unsigned seconds = time.size() == 3 ? time[2] : 0;
    if (time[0] > 23 || time[1] > 59 || seconds > 59) return std::nullopt;
    fraction = (time[0] * 3600.0 + time[1] * 60.0 + seconds) / 86400.0;
  }
  const std::int64_t days = daysFromCivil(year, month, day) + kDaysFrom1899To1970;
  return static_cast<double>(days) + fraction;
}

// One division rather than FileTimeToLocalDateTime's whole days plus fraction: the two can
// differ in the last bit, and the running version is compared exactly.
double localNowAsDateTime() {
  using namespace std::chrono;
  const std::int64_t millis =
      duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  const std::int64_t local = millis + localUtcOffset(millis / 1000) * 1000;
  return static_cast<double>(local) / 86400000.0 + static_cast<double>(kDaysFrom1899To1970);
}

}  // namespace norvane
