#pragma once
// Tells a long loop when its time slice is used up, so it lets the interface run every few
// milliseconds instead of after every entry.
#include <chrono>

namespace norvane {

class TimeSlice {
 public:
  using Clock = std::chrono::steady_clock;

  explicit TimeSlice(std::chrono::milliseconds length = std::chrono::milliseconds(30))
      : length_(length), start_(Clock::now()) {}

  // True once the slice has run out; a new slice starts then.
  bool due() {
    const Clock::time_point now = Clock::now();
    if (now - start_ < length_) return false;
    start_ = now;
    return true;
  }

  void restart() { start_ = Clock::now(); }

 private:
  std::chrono::milliseconds length_;
  Clock::time_point start_;
};

}  // namespace norvane
