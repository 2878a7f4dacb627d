#include "platform/posix/freedesktop_trash.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <utility>

#include "platform/posix/trash_tree.h"

namespace norvane {

namespace {

constexpr const char* kFiles = "files";
constexpr const char* kInfo = "info";
constexpr const char* kInfoSuffix = ".trashinfo";

void keepFirst(int& first, int err) {
  if (first == 0 && err != 0) first = err;
}

// Absent, a link or not a folder: no trash there, nothing to report.
bool meansNoTrash(int err) { return err == ENOENT || err == ELOOP || err == ENOTDIR; }

class FdList {
 public:
  ~FdList() {
    for (int fd : fds) close(fd);
  }
  std::vector<int> fds;
};

}  // namespace

FreedesktopTrash::FreedesktopTrash(TrashLocations locations) : locations_(std::move(locations)) {}

std::vector<std::string> FreedesktopTrash::topDirsOf(const std::vector<MountEntry>& entries) {
  std::vector<std::string> dirs;
  std::set<std::string> devices;
  for (const MountEntry& m : MountInfo::visible(entries)) {
    if (m.mountPoint != "/" && !MountInfo::isLocalDiskMount(m)) continue;
    const std::string device = m.major != 0 ? std::to_string(m.major) + ":" + std::to_string(m.minor)
                                            : m.source + "@" + m.mountPoint;
    if (devices.insert(device).second) dirs.push_back(m.mountPoint);
  }
  return dirs;
}

int FreedesktopTrash::openTrashFolders(std::vector<int>& fds) {
  std::set<std::pair<dev_t, ino_t>> seen;
  int first = 0;
  auto add = [&](int fd) {
    struct stat st;
    if (fstat(fd, &st) != 0 || !seen.insert({st.st_dev, st.st_ino}).second) {
      close(fd);
      return;
    }
    fds.push_back(fd);
  };
  auto note = [&](int err) {
    if (!meansNoTrash(err)) keepFirst(first, err);
  };

  if (!locations_.homeTrash.empty()) {
    const int fd = TrashTree::openFolder(AT_FDCWD, locations_.homeTrash.c_str());
    if (fd >= 0) add(fd);
    else note(errno);
  }

  const std::string uid = std::to_string(locations_.uid);
  const std::string perUser = ".Trash-" + uid;
  const std::vector<std::string> tops = locations_.topDirs ? locations_.topDirs()
                                                           : std::vector<std::string>();
  for (const std::string& top : tops) {
    const int topFd = open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (topFd < 0) continue;  // a mount that went away or that we may not enter

    // $topdir/.Trash/$uid counts only when .Trash is a real, sticky folder.
    const int shared = TrashTree::openFolder(topFd, ".Trash");
    if (shared >= 0) {
      struct stat st;
      if (fstat(shared, &st) == 0 && (st.st_mode & S_ISVTX)) {
        const int fd = TrashTree::openFolder(shared, uid.c_str());
        if (fd >= 0) add(fd);
        else note(errno);
      }
      close(shared);
    }

    const int fd = TrashTree::openFolder(topFd, perUser.c_str());
    if (fd >= 0) add(fd);
    else note(errno);
    close(topFd);
  }
  return first;
}

int FreedesktopTrash::query(TrashContents& out) {
  out = TrashContents{};
  FdList trashes;
  if (int err = openTrashFolders(trashes.fds)) return err;
  TrashContents total;
  for (int trashFd : trashes.fds) {
    const int files = TrashTree::openFolder(trashFd, kFiles);
    if (files < 0) {
      if (meansNoTrash(errno)) continue;
      return errno;
    }
    TreeTotals totals;
    const int err = TrashTree::measure(files, totals);
    close(files);
    if (err) return err;
    total.items += totals.entries;
    total.size += totals.bytes;
  }
  out = total;
  return 0;
}

int FreedesktopTrash::empty() {
  FdList trashes;
  int first = openTrashFolders(trashes.fds);
  for (int trashFd : trashes.fds) {
    const int files = TrashTree::openFolder(trashFd, kFiles);
    if (files < 0 && !meansNoTrash(errno)) keepFirst(first, errno);
    if (files >= 0) keepFirst(first, TrashTree::removeContents(files));

    // Info records go with their items; one whose item could not be removed stays, so the
    // item can still be restored.
    const int info = TrashTree::openFolder(trashFd, kInfo);
    if (info < 0 && !meansNoTrash(errno)) keepFirst(first, errno);
    if (info >= 0) {
      const int dupFd = fcntl(info, F_DUPFD_CLOEXEC, 0);
      std::vector<std::string> names;
      if (DIR* dir = dupFd >= 0 ? fdopendir(dupFd) : nullptr) {
        while (dirent* d = readdir(dir)) {
          const std::string name = d->d_name;
          if (name != "." && name != "..") names.push_back(name);
        }
        closedir(dir);
      } else {
        keepFirst(first, errno);
        if (dupFd >= 0) close(dupFd);
      }
      for (const std::string& name : names) {
        const std::size_t suffix = std::string(kInfoSuffix).size();
        if (files >= 0 && name.size() > suffix &&
            name.compare(name.size() - suffix, suffix, kInfoSuffix) == 0) {
          struct stat st;
          const std::string item = name.substr(0, name.size() - suffix);
          if (fstatat(files, item.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) continue;
        }
        keepFirst(first, TrashTree::removeEntry(info, name.c_str()));
      }
      close(info);
    }
    if (files >= 0) close(files);

    if (unlinkat(trashFd, "directorysizes", 0) != 0 && errno != ENOENT) keepFirst(first, errno);
  }
  return first;
}

}  // namespace norvane
