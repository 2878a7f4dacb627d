#include "platform/local_time.h"

#include <time.h>

namespace norvane {

std::int64_t localUtcOffset(std::int64_t unixSeconds) {
  // Offsets change only at whole minutes; remembering the last minute asked makes a walk over
  // files written close together cost one conversion instead of one per file.
  struct Cached {
    std::int64_t minute = INT64_MIN;
    std::int64_t offset = 0;
  };
  thread_local Cached cached;
  std::int64_t minute = unixSeconds >= 0 ? unixSeconds / 60 : (unixSeconds - 59) / 60;
  if (minute == cached.minute) return cached.offset;
  time_t t = static_cast<time_t>(unixSeconds);
  struct tm parts;
  if (!localtime_r(&t, &parts)) return 0;
  cached.minute = minute;
  cached.offset = parts.tm_gmtoff;
  return cached.offset;
}

}  // namespace norvane
