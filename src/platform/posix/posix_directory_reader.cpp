#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include "platform/posix/posix_directory_reader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/posix/process_paths.h"

namespace norvane {

namespace {

constexpr std::uint64_t kUnixEpochTicks = 116444736000000000ULL;  // 1970-01-01 as a file time
constexpr std::size_t kDirentBufferSize = 64 * 1024;

std::uint64_t fileTime(std::int64_t seconds, std::uint32_t nanoseconds) {
  std::int64_t ticks = seconds * 10000000 + nanoseconds / 100;
  std::int64_t result = ticks + static_cast<std::int64_t>(kUnixEpochTicks);
  return result < 0 ? 0 : static_cast<std::uint64_t>(result);
}

std::uint64_t fileTime(const struct statx_timestamp& t) { return fileTime(t.tv_sec, t.tv_nsec); }

// Identity of a folder: device and, where the kernel tells it, the mount, so that a bind
// mount of the same file system still counts as another mount.
struct FolderIdentity {
  dev_t dev = 0;
  ino_t ino = 0;
  std::uint64_t mountId = 0;
  bool hasMountId = false;

  bool sameMount(const FolderIdentity& other) const {
    if (dev != other.dev) return false;
    if (hasMountId && other.hasMountId) return mountId == other.mountId;
    return true;
  }
};

std::atomic<bool> statxWorks{true};  // cleared once if the kernel lacks statx

bool identify(int dirFd, const char* name, int flags, FolderIdentity& out, mode_t* mode) {
  if (statxWorks) {
    struct statx stx;
    if (statx(dirFd, name, flags | AT_NO_AUTOMOUNT, STATX_TYPE | STATX_INO | STATX_MNT_ID, &stx) ==
        0) {
      out.dev = makedev(stx.stx_dev_major, stx.stx_dev_minor);
      out.ino = stx.stx_ino;
      out.hasMountId = (stx.stx_mask & STATX_MNT_ID) != 0;
      out.mountId = out.hasMountId ? stx.stx_mnt_id : 0;
      if (mode) *mode = stx.stx_mode;
      return true;
    }
    if (errno != ENOSYS) return false;
    statxWorks = false;
  }
  struct stat st;
  if (fstatat(dirFd, name, &st, flags) != 0) return false;
  out.dev = st.st_dev;
  out.ino = st.st_ino;
  out.hasMountId = false;
  if (mode) *mode = st.st_mode;
  return true;
}

class PosixFile : public ReadableFile {
 public:
  PosixFile(int fd, std::int64_t size) : fd_(fd), size_(size) {}
  ~PosixFile() override { ::close(fd_); }
  std::int64_t size() const override { return size_; }
  std::int64_t read(char* buffer, std::int64_t count) override {
    std::int64_t total = 0;
    while (total < count) {
      ssize_t n = ::read(fd_, buffer + total, static_cast<std::size_t>(count - total));
      if (n < 0) {
        if (errno == EINTR) continue;
        return total > 0 ? total : -1;
      }
      if (n == 0) break;
      total += n;
    }
    return total;
  }

 private:
  int fd_;
  std::int64_t size_;
};

// Opens `flags`-style for reading and keeps only regular files: a pipe or a device must never
// be read (a pipe would block, a device may never end).
std::unique_ptr<ReadableFile> openRegular(int dirFd, const char* name, int extraFlags) {
  int fd = ::openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | extraFlags);
  if (fd < 0) return nullptr;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  int fl = fcntl(fd, F_GETFL);
  if (fl >= 0) fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
  return std::make_unique<PosixFile>(fd, static_cast<std::int64_t>(st.st_size));
}

class PosixDirectory;

// State shared by the folders of one walk: the chain of folders from the root down, and how
// many of them hold an open descriptor.
struct WalkChain {
  std::vector<PosixDirectory*> folders;
  std::size_t firstOpen = 0;  // folders below this index have been closed to save descriptors
};

// One listing buffer per thread: folders are listed on several threads during read-ahead,
// and a walk of its own per read-ahead folder must not cost a buffer each.
char* direntBuffer() {
  thread_local std::unique_ptr<char[]> buffer(new char[kDirentBufferSize]);
  return buffer.get();
}

class PosixDirectory : public Directory {
 public:
  PosixDirectory(std::shared_ptr<WalkChain> chain, int fd, const FolderIdentity& id)
      : chain_(std::move(chain)), fd_(fd), id_(id), depth_(chain_ ? chain_->folders.size() : 0) {
    if (chain_) chain_->folders.push_back(this);
  }

  ~PosixDirectory() override {
    if (!chain_) {
      if (fd_ >= 0) ::close(fd_);
      return;
    }
    auto& folders = chain_->folders;
    if (!folders.empty() && folders.back() == this) {
      folders.pop_back();
      // The parent is walked again once this folder is done: bring back its descriptor.
      if (depth_ > 0) {
        PosixDirectory* parent = folders[depth_ - 1];
        if (parent->fd_ == kClosed) parent->reopenFrom(fd_);
        if (chain_->firstOpen > depth_ - 1) chain_->firstOpen = depth_ - 1;
      }
    }
    if (fd_ >= 0) ::close(fd_);
  }

  FileIdentity identity() const override { return FileIdentity{id_.dev, id_.ino}; }

  bool list(DirectoryListing& out) override {
    out.clear();
    if (fd_ < 0) return false;
    // A fresh descriptor starts at the beginning; only a second listing needs a rewind.
    if (listed_ && lseek(fd_, 0, SEEK_SET) < 0) return false;
    listed_ = true;
    char* buf = direntBuffer();
    for (;;) {
      ssize_t n = getdents64(fd_, buf, kDirentBufferSize);
      if (n == 0) return true;
      if (n < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      // No record is shorter than 24 bytes, and each holds its name.
      out.reserve(static_cast<std::size_t>(n) / 24, static_cast<std::size_t>(n));
      for (ssize_t pos = 0; pos < n;) {
        auto* d = reinterpret_cast<struct dirent64*>(buf + pos);
        pos += d->d_reclen;
        const char* name = d->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
        EntryKind kind = d->d_type == DT_DIR       ? EntryKind::Directory
                         : d->d_type == DT_UNKNOWN ? EntryKind::Unknown
                                                   : EntryKind::NotDirectory;
        out.add(name, std::strlen(name), kind);
      }
    }
  }

  bool stat(const char* name, FileRecord& out) override {
    if (fd_ < 0) return false;
    std::uint32_t attr = 0;
    mode_t mode;
    std::int64_t size;
    std::int64_t blocks;
    dev_t dev;
    bool otherMount = false;
    if (statxWorks) {
      struct statx stx;
      unsigned mask = STATX_TYPE | STATX_MODE | STATX_INO | STATX_SIZE | STATX_BLOCKS |
                      STATX_ATIME | STATX_MTIME | STATX_CTIME | STATX_BTIME | STATX_MNT_ID;
      if (statx(fd_, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, mask, &stx) != 0) {
        if (errno != ENOSYS) return false;
        statxWorks = false;
        return stat(name, out);
      }
      mode = stx.stx_mode;
      size = static_cast<std::int64_t>(stx.stx_size);
      blocks = static_cast<std::int64_t>(stx.stx_blocks);
      dev = makedev(stx.stx_dev_major, stx.stx_dev_minor);
      out.identity = FileIdentity{dev, stx.stx_ino};
      if (S_ISDIR(mode) && (stx.stx_mask & STATX_MNT_ID) && id_.hasMountId) {
        otherMount = stx.stx_mnt_id != id_.mountId;
      }
      out.lastAccessTime = fileTime(stx.stx_atime);
      out.lastWriteTime = fileTime(stx.stx_mtime);
      if (stx.stx_mask & STATX_BTIME) {
        out.creationTime = fileTime(stx.stx_btime);
      } else {
        out.creationTime = std::min(fileTime(stx.stx_mtime), fileTime(stx.stx_ctime));
      }
    } else {
      struct stat st;
      if (fstatat(fd_, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
      mode = st.st_mode;
      size = st.st_size;
      blocks = st.st_blocks;
      dev = st.st_dev;
      out.identity = FileIdentity{dev, st.st_ino};
      out.lastAccessTime = fileTime(st.st_atim.tv_sec, st.st_atim.tv_nsec);
      out.lastWriteTime = fileTime(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
      out.creationTime =
          std::min(out.lastWriteTime, fileTime(st.st_ctim.tv_sec, st.st_ctim.tv_nsec));
    }
    if (S_ISDIR(mode)) {
      attr |= kFileAttributeDirectory;
      if (dev != id_.dev) otherMount = true;
      if (otherMount) attr |= kFileAttributeSystem;
      size = 0;
    } else if (S_ISREG(mode)) {
      attr |= kFileAttributeArchive;
      if (blocks * 512 < size) attr |= kFileAttributeSparse;
    } else if (S_ISLNK(mode)) {
      attr |= kFileAttributeReparsePoint;
      size = 0;
    } else {
      attr |= kFileAttributeSystem;
      size = 0;
    }
    if (!S_ISLNK(mode) && !(mode & S_IWUSR)) attr |= kFileAttributeReadOnly;
    if (name[0] == '.') attr |= kFileAttributeHidden;
    out.attributes = attr;
    out.size = size;
    return true;
  }

  OpenResult openChild(const char* name, std::unique_ptr<Directory>& out) override {
    int fd;
    FolderIdentity id;
    const OpenResult result = openSubfolder(name, fd, id);
    if (result != OpenResult::Opened) return result;
    // A folder opened on its own starts a chain at its first child.
    if (!chain_) {
      chain_ = std::make_shared<WalkChain>();
      chain_->folders.push_back(this);
    }
    out = std::make_unique<PosixDirectory>(chain_, fd, id);
    saveDescriptors();
    return OpenResult::Opened;
  }

  OpenResult openIndependentChild(const char* name, std::unique_ptr<Directory>& out) override {
    int fd;
    FolderIdentity id;
    const OpenResult result = openSubfolder(name, fd, id);
    if (result != OpenResult::Opened) return result;
    out = std::make_unique<PosixDirectory>(nullptr, fd, id);
    return OpenResult::Opened;
  }

  std::unique_ptr<ReadableFile> openFile(const char* name) override {
    if (fd_ < 0) return nullptr;
    return openRegular(fd_, name, O_NOFOLLOW);
  }

 private:
  static constexpr int kClosed = -1;  // closed to save descriptors; reopened by the child
  static constexpr int kLost = -2;    // could not be reopened as the same folder

  // Opens a sub-folder of this one: never through a link, never into another mount.
  OpenResult openSubfolder(const char* name, int& fdOut, FolderIdentity& idOut) const {
    if (fd_ < 0) return OpenResult::Unreadable;
    int fd = ::openat(fd_, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
      int error = errno;
      if (error == ELOOP || error == ENOTDIR) return OpenResult::Skipped;
      FolderIdentity id;
      mode_t mode = 0;
      if (identify(fd_, name, AT_SYMLINK_NOFOLLOW, id, &mode)) {
        if (!S_ISDIR(mode) || !id.sameMount(id_)) return OpenResult::Skipped;
      }
      errno = error;
      return OpenResult::Unreadable;
    }
    FolderIdentity id;
    if (!identify(fd, "", AT_EMPTY_PATH, id, nullptr) || !id.sameMount(id_)) {
      ::close(fd);
      return OpenResult::Skipped;
    }
    fdOut = fd;
    idOut = id;
    return OpenResult::Opened;
  }

  void saveDescriptors() {
    auto& chain = *chain_;
    std::size_t open = chain.folders.size() - chain.firstOpen;
    while (open > PosixDirectoryReader::kOpenFolderBudget &&
           chain.firstOpen + 1 < chain.folders.size()) {
      PosixDirectory* victim = chain.folders[chain.firstOpen++];
      if (victim->fd_ >= 0) {
        ::close(victim->fd_);
        victim->fd_ = kClosed;
      }
      --open;
    }
  }

  void reopenFrom(int childFd) {
    fd_ = kLost;
    if (childFd < 0) return;
    int fd = ::openat(childFd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return;
    FolderIdentity id;
    // The tree may have been moved meanwhile: only the very same folder will do.
    if (!identify(fd, "", AT_EMPTY_PATH, id, nullptr) || id.dev != id_.dev || id.ino != id_.ino) {
      ::close(fd);
      return;
    }
    fd_ = fd;
    listed_ = false;
  }

  std::shared_ptr<WalkChain> chain_;
  int fd_;
  bool listed_ = false;
  FolderIdentity id_;
  std::size_t depth_;
};

// Opens a path longer than the system allows in one call, one component at a time.
int openLongPath(const std::string& path, int flags) {
  int dirFd = ::open(path[0] == '/' ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) return -1;
  std::size_t pos = 0;
  while (pos < path.size()) {
    while (pos < path.size() && path[pos] == '/') ++pos;
    if (pos >= path.size()) break;
    std::size_t end = path.find('/', pos);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(pos, end - pos);
    bool last = path.find_first_not_of('/', end) == std::string::npos;
    int next = ::openat(dirFd, part.c_str(), last ? flags : (O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    int error = errno;
    ::close(dirFd);
    if (next < 0) {
      errno = error;
      return -1;
    }
    dirFd = next;
    pos = end;
  }
  return dirFd;
}

}  // namespace

OpenResult PosixDirectoryReader::openFolder(const std::string& path,
                                            std::unique_ptr<Directory>& out) {
  if (path.empty()) return OpenResult::Unreadable;
  const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY;
  int fd = ::open(path.c_str(), flags);
  if (fd < 0 && errno == ENAMETOOLONG) fd = openLongPath(path, flags);
  if (fd < 0) return OpenResult::Unreadable;
  FolderIdentity id;
  if (!identify(fd, "", AT_EMPTY_PATH, id, nullptr)) {
    ::close(fd);
    return OpenResult::Unreadable;
  }
  out = std::make_unique<PosixDirectory>(std::make_shared<WalkChain>(), fd, id);
  return OpenResult::Opened;
}

std::unique_ptr<ReadableFile> PosixDirectoryReader::openFile(const std::string& path) {
  if (path.empty()) return nullptr;
  auto file = openRegular(AT_FDCWD, path.c_str(), 0);
  if (!file && errno == ENAMETOOLONG) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return nullptr;
    int dirFd = openLongPath(path.substr(0, slash), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return nullptr;
    file = openRegular(dirFd, path.c_str() + slash + 1, 0);
    ::close(dirFd);
  }
  return file;
}

std::string PosixDirectoryReader::currentDirectory() { return workingFolder(); }

std::string PosixDirectoryReader::realFolderPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : path;
}

std::shared_ptr<DirectoryReader> makeHostDirectoryReader() {
  static std::shared_ptr<DirectoryReader> host = std::make_shared<PosixDirectoryReader>();
  return host;
}

}  // namespace norvane
