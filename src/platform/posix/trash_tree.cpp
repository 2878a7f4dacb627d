#include "platform/posix/trash_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace norvane {

namespace {

struct Entry {
  std::string name;
  unsigned char type;
};

// The entries of an open folder, read through a duplicate so `dirFd` stays ours.
int listEntries(int dirFd, std::vector<Entry>& out) {
  const int dupFd = fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
  if (dupFd < 0) return errno;
  DIR* dir = fdopendir(dupFd);
  if (!dir) {
    const int err = errno;
    close(dupFd);
    return err;
  }
  rewinddir(dir);
  int err = 0;
  for (;;) {
    errno = 0;
    dirent* d = readdir(dir);
    if (!d) {
      err = errno;
      break;
    }
    if ((d->d_name[0] == '.' && d->d_name[1] == '\0') ||
        (d->d_name[0] == '.' && d->d_name[1] == '.' && d->d_name[2] == '\0'))
      continue;
    out.push_back({d->d_name, d->d_type});
  }
  closedir(dir);
  return err;
}

void keepFirst(int& first, int err) {
  if (first == 0 && err != 0) first = err;
}

}  // namespace

int TrashTree::openFolder(int dirFd, const char* name) {
  return openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
}

int TrashTree::measure(int dirFd, TreeTotals& totals) {
  struct stat self;
  if (fstat(dirFd, &self) != 0) return errno;
  std::vector<Entry> entries;
  if (int err = listEntries(dirFd, entries)) return err;
  totals.entries += static_cast<std::int64_t>(entries.size());
  for (const Entry& e : entries) {
    struct stat st;
    if (fstatat(dirFd, e.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno == ENOENT) continue;  // went away while we looked
      return errno;
    }
    if (!S_ISDIR(st.st_mode)) {
      totals.bytes += st.st_size;
      continue;
    }
    if (st.st_dev != self.st_dev) continue;  // a mount point: not part of the trash
    const int child = openFolder(dirFd, e.name.c_str());
    if (child < 0) {
      if (errno == ENOENT) continue;
      if (errno == ELOOP || errno == ENOTDIR) continue;  // replaced by a link or a file
      return errno;
    }
    TreeTotals below;
    const int err = measure(child, below);
    close(child);
    if (err) return err;
    totals.bytes += below.bytes;
  }
  return 0;
}

int TrashTree::removeContents(int dirFd) {
  std::vector<Entry> entries;
  int first = listEntries(dirFd, entries);
  for (const Entry& e : entries) keepFirst(first, removeEntry(dirFd, e.name.c_str()));
  return first;
}

int TrashTree::removeEntry(int dirFd, const char* name) {
  struct stat parent;
  if (fstat(dirFd, &parent) != 0) return errno;
  struct stat st;
  if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT ? 0 : errno;

  // Entries of a folder we may not write to can't be removed; the folder is in the trash and
  // ours, so give ourselves the rights first.
  auto unlinkWithRights = [&](int flags) {
    if (unlinkat(dirFd, name, flags) == 0 || errno == ENOENT) return 0;
    if (errno != EACCES && errno != EPERM) return errno;
    if (fchmod(dirFd, (parent.st_mode & 07777) | S_IRWXU) != 0) return EACCES;
    if (unlinkat(dirFd, name, flags) == 0 || errno == ENOENT) return 0;
    return errno;
  };

  if (!S_ISDIR(st.st_mode)) return unlinkWithRights(0);
  if (st.st_dev != parent.st_dev) return EBUSY;  // never empty another file system

  int child = openFolder(dirFd, name);
  if (child < 0 && errno == EACCES &&
      fchmodat(dirFd, name, (st.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW) == 0)
    child = openFolder(dirFd, name);
  if (child < 0) {
    if (errno == ELOOP || errno == ENOTDIR) return unlinkWithRights(0);  // swapped for a link
    return errno == ENOENT ? 0 : errno;
  }
  struct stat opened;
  int first = 0;
  if (fstat(child, &opened) != 0 || opened.st_dev != parent.st_dev) {
    first = EBUSY;
  } else {
    first = removeContents(child);
  }
  close(child);
  if (first) return first;
  return unlinkWithRights(AT_REMOVEDIR);
}

}  // namespace norvane
