#include "platform/posix/process_paths.h"

#include <unistd.h>

#include <cerrno>
#include <climits>

namespace norvane {

std::string linkTarget(const std::string& path) {
  std::string buffer(PATH_MAX, '\0');
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0) return {};
    // A full buffer may hold a cut target: try again with room to spare.
    if (static_cast<std::size_t>(n) < buffer.size()) return buffer.substr(0, n);
    buffer.resize(buffer.size() * 2);
  }
}

std::string workingFolder() {
  std::string buffer(PATH_MAX, '\0');
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.c_str());
}

}  // namespace norvane
