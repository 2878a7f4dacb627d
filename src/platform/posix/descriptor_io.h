#pragma once
// An owned file descriptor and the read and write loops every whole-file user shares: each
// caller opens with its own flags and makes its own checks, then reads or writes through these.
#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

// Closes the descriptor it holds when it goes; -1 holds nothing.
class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  ~UniqueFd() { reset(); }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  // Closes the held descriptor (if any) and holds `fd` instead.
  void reset(int fd = -1);
  // Gives the descriptor up without closing it.
  int release();
  // Closes now and says how it went: 0 or errno (close reports late write errors).
  int close();

 private:
  int fd_;
};

// Reads `fd` to its end into `out` (cleared first). Returns 0, the read's errno, or EFBIG as
// soon as more than `limit` bytes have come; `out` then holds what was read so far.
int readAll(int fd, std::string& out, std::size_t limit);

// Writes all of `data`, going on after short writes and interrupts. Returns 0 or errno.
int writeAll(int fd, std::string_view data);

}  // namespace norvane
