#include "core/search/file_time.h"

#include "platform/local_time.h"

namespace norvane {

namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kEpochDifference = 11644473600;  // seconds from 1601 to 1970

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Local milliseconds since 1970 (local wall clock) of a file time.
std::int64_t localMilliseconds(FileTime time) {
  std::int64_t ticks = static_cast<std::int64_t>(time);
  std::int64_t unixSeconds = ticks / kTicksPerSecond - kEpochDifference;
  std::int64_t millis = (ticks % kTicksPerSecond) / 10000;
  return (unixSeconds + localUtcOffset(unixSeconds)) * 1000 + millis;
}

}  // namespace

void civilFromDays(std::int64_t days, int& year, unsigned& month, unsigned& day) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(days - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = doy - (153 * mp + 2) / 5 + 1;
  month = mp < 10 ? mp + 3 : mp - 9;
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0));
}

DateTime FileTimeToLocalDateTime(FileTime time) {
  std::int64_t ms = localMilliseconds(time);
  std::int64_t days = floorDiv(ms, 86400000);
  double fraction = static_cast<double>(ms - days * 86400000) / 86400000.0;
  double whole = static_cast<double>(days + kDaysFrom1899To1970);
  // Before 1899-12-30 the time of day counts away from zero, as date-times encode it.
  return whole >= 0 ? whole + fraction : whole - fraction;
}

std::int32_t FileTimeToLocalDosTime(FileTime time) {
  std::int64_t seconds = floorDiv(localMilliseconds(time), 1000);
  std::int64_t days = floorDiv(seconds, 86400);
  std::int64_t secondOfDay = seconds - days * 86400;
  int year;
  unsigned month, day;
  civilFromDays(days, year, month, day);
  if (year < 1980) return (1 << 5 | 1) << 16;  // 1980-01-01 00:00:00
  if (year > 2107) {
    year = 2107;
    month = 12;
    day = 31;
    secondOfDay = 86399;
  }
  std::uint32_t date = (static_cast<std::uint32_t>(year - 1980) << 9) | (month << 5) | day;
  std::uint32_t clock = (static_cast<std::uint32_t>(secondOfDay / 3600) << 11) |
                        (static_cast<std::uint32_t>(secondOfDay / 60 % 60) << 5) |
                        static_cast<std::uint32_t>(secondOfDay % 60 / 2);
  return static_cast<std::int32_t>(date << 16 | clock);
}

FileTime unixToFileTime(std::int64_t seconds, std::uint32_t nanoseconds) {
  std::int64_t ticks = (seconds + kEpochDifference) * kTicksPerSecond + nanoseconds / 100;
  return ticks < 0 ? 0 : static_cast<FileTime>(ticks);
}

std::int64_t fileTimeToUnix(FileTime time) {
  // Whole seconds since 1601 less those up to 1970: rounded down, also before 1970.
  return static_cast<std::int64_t>(time / kTicksPerSecond) - kEpochDifference;
}

}  // namespace norvane
