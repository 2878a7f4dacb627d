#include "platform/program_location.h"

#include <unistd.h>

#include <climits>

namespace norvane {

std::string runningProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ".";
  const std::string exe(buffer, static_cast<std::size_t>(n));
  const auto slash = exe.rfind('/');
  return slash == std::string::npos || slash == 0 ? "/" : exe.substr(0, slash);
}

}  // namespace norvane
