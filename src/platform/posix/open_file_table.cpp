#include "platform/posix/open_file_table.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace norvane {

namespace {

bool isNumber(const char* name) {
  if (!*name) return false;
  for (const char* p = name; *p; ++p)
    if (*p < '0' || *p > '9') return false;
  return true;
}

}  // namespace

OpenFileTable::OpenFileTable(std::string procRoot, std::chrono::milliseconds maxAge)
    : procRoot_(std::move(procRoot)), maxAge_(maxAge) {}

bool OpenFileTable::isOpen(dev_t device, ino_t inode) {
  const Key key{static_cast<std::uint64_t>(device), static_cast<std::uint64_t>(inode)};
  auto now = std::chrono::steady_clock::now();
  bool fresh = false;
  if (!valid_ || maxAge_.count() <= 0 || now - takenAt_ > maxAge_) {
    rescan();
    takenAt_ = now;
    valid_ = true;
    fresh = true;
  }
  if (!open_.count(key)) return false;
  if (fresh) return true;
  // An older snapshot may remember a file since closed; a "yes" is confirmed afresh.
  rescan();
  takenAt_ = now;
  return open_.count(key) > 0;
}

void OpenFileTable::rescan() {
  open_.clear();
  int rootFd = ::open(procRoot_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (rootFd < 0) return;
  DIR* root = ::fdopendir(rootFd);
  if (!root) {
    ::close(rootFd);
    return;
  }
  while (dirent* e = ::readdir(root)) {
    if (!isNumber(e->d_name)) continue;
    int procDir = ::openat(rootFd, e->d_name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (procDir < 0) continue;  // the process ended, or it isn't ours to look at
    scanDescriptors(procDir);
    scanMappings(procDir);
    ::close(procDir);
  }
  ::closedir(root);
}

void OpenFileTable::scanDescriptors(int procDir) {
  int fdDirFd = ::openat(procDir, "fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fdDirFd < 0) return;
  DIR* fdDir = ::fdopendir(fdDirFd);
  if (!fdDir) {
    ::close(fdDirFd);
    return;
  }
  while (dirent* e = ::readdir(fdDir)) {
    if (e->d_name[0] == '.') continue;
    struct stat st;
    // Following the descriptor's link reaches the open file itself.
    if (::fstatat(fdDirFd, e->d_name, &st, 0) != 0) continue;
    if (S_ISDIR(st.st_mode)) continue;
    open_.insert(Key{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)});
  }
  ::closedir(fdDir);
}

// Lines read "start-end perms offset major:minor inode path"; a mapped file stays in use
// after its descriptor is closed (running programs and their libraries, for instance).
void OpenFileTable::scanMappings(int procDir) {
  int fd = ::openat(procDir, "maps", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  FILE* maps = ::fdopen(fd, "r");
  if (!maps) {
    ::close(fd);
    return;
  }
  char* line = nullptr;
  std::size_t capacity = 0;
  while (::getline(&line, &capacity, maps) > 0) {
    unsigned major = 0, minor = 0;
    unsigned long long inode = 0;
    if (std::sscanf(line, "%*s %*s %*s %x:%x %llu", &major, &minor, &inode) != 3) continue;
    if (inode == 0) continue;  // anonymous memory
    open_.insert(Key{static_cast<std::uint64_t>(makedev(major, minor)), inode});
  }
  std::free(line);
  std::fclose(maps);
}

}  // namespace norvane
