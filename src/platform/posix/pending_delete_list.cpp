#include "platform/posix/pending_delete_list.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_content.h"
#include "platform/posix/descriptor_io.h"

namespace norvane {

namespace {

constexpr std::size_t kMaxListBytes = 256u * 1024 * 1024;

std::string folderOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

int makeFolders(const std::string& folder) {
  if (folder.empty() || folder == "/" || folder == ".") return 0;
  struct stat st;
  if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
  if (int err = makeFolders(folderOf(folder))) return err;
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return errno;
  return 0;
}

void syncFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// Holds the list's lock for its lifetime.
class ListLock {
 public:
  explicit ListLock(const std::string& lockPath) {
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
      error_ = errno;
      return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno != EINTR) {
        error_ = errno;
        return;
      }
    }
  }
  ~ListLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  ListLock(const ListLock&) = delete;
  ListLock& operator=(const ListLock&) = delete;
  int error() const { return error_; }

 private:
  int fd_ = -1;
  int error_ = 0;
};

// Cuts a torn last line (a writer that died mid-write) so the next line doesn't join it.
int dropTornTail(int fd) {
  struct stat st;
  if (::fstat(fd, &st) != 0) return errno;
  off_t end = st.st_size;
  char c;
  while (end > 0) {
    if (::pread(fd, &c, 1, end - 1) != 1) return errno ? errno : EIO;
    if (c == '\n') break;
    --end;
  }
  if (end != st.st_size && ::ftruncate(fd, end) != 0) return errno;
  return 0;
}

std::vector<std::string> readList(const std::string& path) {
  std::string content;
  if (readWholeFile(path, content, kMaxListBytes) != ReadFileStatus::Ok) return {};
  return PendingDeleteList::parse(content);
}

}  // namespace

PendingDeleteList::PendingDeleteList(std::string listPath) : path_(std::move(listPath)) {}

std::string PendingDeleteList::escapeLine(const std::string& path) {
  std::string out;
  out.reserve(path.size() + 2);
  for (char c : path) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::optional<std::string> PendingDeleteList::unescapeLine(const std::string& line) {
  std::string out;
  out.reserve(line.size());
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\r' || c == '\n') return std::nullopt;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i == line.size()) return std::nullopt;
    switch (line[i]) {
      case '\\':
        out += '\\';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        return std::nullopt;
    }
  }
  if (out.empty()) return std::nullopt;
  return out;
}

std::vector<std::string> PendingDeleteList::parse(const std::string& content) {
  std::vector<std::string> paths;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) break;
    if (auto path = unescapeLine(content.substr(start, end - start))) paths.push_back(*path);
    start = end + 1;
  }
  return paths;
}

int PendingDeleteList::append(const std::string& path, const std::function<int()>& first) {
  if (path.empty()) return EINVAL;
  if (int err = makeFolders(folderOf(path_))) return err;
  ListLock lock(lockPath());
  if (lock.error()) return lock.error();
  if (first)
    if (int err = first()) return err;
  int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (fd < 0) return errno;
  int err = dropTornTail(fd);
  // One write per line: a crash leaves at most a torn last line, which readers skip.
  if (!err) err = writeAll(fd, escapeLine(path) + "\n");
  if (!err && ::fsync(fd) != 0) err = errno;
  ::close(fd);
  if (!err) syncFolder(folderOf(path_));
  return err;
}

int PendingDeleteList::whenEmpty(const std::function<int()>& action) {
  if (int err = makeFolders(folderOf(path_))) return err;
  ListLock lock(lockPath());
  if (lock.error()) return lock.error();
  struct stat st;
  if (::lstat(workPath().c_str(), &st) == 0 || !entries().empty()) return 0;
  return action();
}

std::vector<std::string> PendingDeleteList::entries() const { return readList(path_); }

std::vector<std::string> PendingDeleteList::workEntries() const { return readList(workPath()); }

bool PendingDeleteList::takeForWork(int& error) {
  error = 0;
  struct stat st;
  if (::lstat(path_.c_str(), &st) != 0) {
    if (errno != ENOENT) error = errno;
    return false;
  }
  ListLock lock(lockPath());
  if (lock.error()) {
    error = lock.error();
    return false;
  }
  // Never overwrite an unfinished work list.
  if (::lstat(workPath().c_str(), &st) == 0) {
    error = EEXIST;
    return false;
  }
  if (::rename(path_.c_str(), workPath().c_str()) != 0) {
    if (errno != ENOENT) error = errno;
    return false;
  }
  syncFolder(folderOf(path_));
  return true;
}

PendingDeleteList::RunLock::RunLock(const PendingDeleteList& list) {
  fd_ = ::open(list.runLockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

PendingDeleteList::RunLock::~RunLock() {
  if (fd_ >= 0) ::close(fd_);
}

int PendingDeleteList::finishWork() {
  if (::unlink(workPath().c_str()) != 0 && errno != ENOENT) return errno;
  syncFolder(folderOf(path_));
  return 0;
}

}  // namespace norvane
