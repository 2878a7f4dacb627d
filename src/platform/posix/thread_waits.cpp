#include "platform/thread_waits.h"

#include <sys/resource.h>

namespace norvane {

std::uint64_t currentThreadWaits() {
  struct rusage usage;
  if (getrusage(RUSAGE_THREAD, &usage) != 0) return 0;
  return static_cast<std::uint64_t>(usage.ru_nvcsw);
}

}  // namespace norvane
