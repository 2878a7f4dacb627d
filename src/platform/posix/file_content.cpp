#include "platform/file_content.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

namespace norvane {

namespace {

struct FdCloser {
  int fd;
  ~FdCloser() {
    if (fd >= 0) ::close(fd);
  }
};

int writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

std::string folderOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a write should land in: a link is followed to its target so the link survives.
std::string writeTarget(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    if (real) return real.get();
  }
  return path;
}

int rewriteInPlace(const std::string& path, std::string_view content) {
  FdCloser f{::open(path.c_str(), O_WRONLY | O_CLOEXEC)};
  if (f.fd < 0) return errno;
  if (int err = writeAll(f.fd, content)) return err;
  if (::ftruncate(f.fd, static_cast<off_t>(content.size())) != 0) return errno;
  if (::fsync(f.fd) != 0) return errno;
  return 0;
}

}  // namespace

ReadFileStatus readWholeFile(const std::string& path, std::string& out, std::size_t maxBytes) {
  out.clear();
  FdCloser f{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  if (f.fd < 0) return errno == ENOENT ? ReadFileStatus::NotFound : ReadFileStatus::Failed;
  struct stat st;
  if (::fstat(f.fd, &st) != 0) return ReadFileStatus::Failed;
  if (S_ISDIR(st.st_mode)) return ReadFileStatus::Failed;
  if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) > maxBytes)
    return ReadFileStatus::TooLarge;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(f.fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      out.clear();
      return ReadFileStatus::Failed;
    }
    if (n == 0) break;
    if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
      out.clear();
      return ReadFileStatus::TooLarge;
    }
    out.append(buffer, static_cast<std::size_t>(n));
  }
  return ReadFileStatus::Ok;
}

int writeWholeFile(const std::string& path, std::string_view content) {
  const std::string target = writeTarget(path);
  struct stat old;
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && S_ISDIR(old.st_mode)) return EISDIR;
  // The read-only attribute protects the file even from a caller who could replace it.
  if (existed && !(old.st_mode & S_IWUSR)) return EACCES;

  std::string temp = target + ".XXXXXX";
  int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    int err = errno;
    // A folder that refuses new files may still hold a writable file.
    if (existed && (err == EACCES || err == EPERM)) return rewriteInPlace(target, content);
    return err;
  }
  FdCloser f{fd};
  mode_t mode;
  if (existed) {
    mode = old.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  int err = ::fchmod(fd, mode) != 0 ? errno : 0;
  if (!err) err = writeAll(fd, content);
  if (!err && ::fsync(fd) != 0) err = errno;
  if (!err && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) {
    ::unlink(temp.c_str());
    return err;
  }
  // Make the rename itself durable.
  FdCloser dir{::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (dir.fd >= 0) ::fsync(dir.fd);
  return 0;
}

}  // namespace norvane
