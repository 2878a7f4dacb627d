#include "platform/posix/descriptor_io.h"

#include <unistd.h>

#include <cerrno>

namespace norvane {

void UniqueFd::reset(int fd) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
}

int UniqueFd::release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

int UniqueFd::close() {
  const int fd = release();
  if (fd < 0) return 0;
  return ::close(fd) == 0 ? 0 : errno;
}

int readAll(int fd, std::string& out, std::size_t limit) {
  char buffer[64 * 1024];
  out.clear();
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return 0;
    out.append(buffer, static_cast<std::size_t>(n));
    if (out.size() > limit) return EFBIG;
  }
}

int writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

}  // namespace norvane
