#include "platform/program_location.h"

#include "platform/posix/process_paths.h"

namespace norvane {

std::string runningProgramFolder() {
  const std::string exe = linkTarget("/proc/self/exe");
  if (exe.empty()) return ".";
  const auto slash = exe.rfind('/');
  return slash == std::string::npos || slash == 0 ? "/" : exe.substr(0, slash);
}

}  // namespace norvane
