#pragma once
// The core's only window onto an event loop: the GUI implements it with Qt, tests with a
// plain queue.
#include <functional>

namespace norvane {

class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // Dispatches every message waiting for the calling thread, then returns.
  virtual void pumpMessages() = 0;
  // Runs `task` later on the thread that owns the loop; safe to call from any thread.
  virtual void post(std::function<void()> task) = 0;
};

}  // namespace norvane
