#include "platform/file_system_size.h"

#include <sys/statvfs.h>

namespace norvane {

std::int64_t fileSystemTotalSize(const std::string& path) {
  struct statvfs st;
  if (path.empty() || ::statvfs(path.c_str(), &st) != 0) return -1;
  return static_cast<std::int64_t>(st.f_blocks) * static_cast<std::int64_t>(st.f_frsize);
}

}  // namespace norvane
