#include "platform/posix/posix_restart_delete.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <memory>

namespace norvane {

PosixRestartDelete::PosixRestartDelete(PendingDeleteSetup setup)
    : setup_(std::move(setup)), list_(setup_.listPath) {}

std::string PosixRestartDelete::recordedPath(const std::string& path) {
  if (path.empty()) return {};
  std::string absolute = path;
  if (absolute[0] != '/') {
    char cwd[PATH_MAX];
    if (!::getcwd(cwd, sizeof cwd)) return {};
    absolute = std::string(cwd) + "/" + absolute;
  }
  while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
  auto slash = absolute.rfind('/');
  std::string folder = slash == 0 ? "/" : absolute.substr(0, slash);
  std::string name = absolute.substr(slash + 1);
  if (name.empty() || name == "." || name == "..") return {};
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(folder.c_str(), nullptr), &std::free);
  if (!real) return {};
  std::string resolved = real.get();
  return resolved == "/" ? "/" + name : resolved + "/" + name;
}

bool PosixRestartDelete::DeleteOnRestart(const std::string& path) {
  const std::string recorded = recordedPath(path);
  if (recorded.empty()) return false;
  return list_.append(recorded, [this] { return installPendingDeleteLauncher(setup_); }) == 0;
}

}  // namespace norvane
