#include "platform/link_size.h"

#include <sys/stat.h>

namespace norvane {

std::int64_t symbolicLinkSize(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

}  // namespace norvane
