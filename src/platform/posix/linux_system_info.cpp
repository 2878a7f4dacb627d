#include "platform/posix/linux_system_info.h"

#include <malloc.h>
#include <time.h>

namespace norvane {

std::uint32_t LinuxSystemInfo::tickCount() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                  static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(ms);  // wraps like the 32-bit tick count
}

void LinuxSystemInfo::trimWorkingSet() { malloc_trim(0); }

}  // namespace norvane
