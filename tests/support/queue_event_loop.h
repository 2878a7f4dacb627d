#pragma once
// An event loop made of a queue: post() from any thread, pumpMessages() on the owner's.
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/event_loop.h"

namespace norvane::test {

class QueueEventLoop : public EventLoop {
 public:
  void pumpMessages() override {
    for (;;) {
      std::function<void()> task;
      {
        std::lock_guard<std::mutex> hold(mutex_);
        if (tasks_.empty()) return;
        task = std::move(tasks_.front());
        tasks_.pop_front();
      }
      ++pumped;
      task();
    }
  }
  void post(std::function<void()> task) override {
    std::lock_guard<std::mutex> hold(mutex_);
    tasks_.push_back(std::move(task));
  }
  // Pumps until `done` holds or the time runs out; gives `done()`.
  template <typename Pred>
  bool pumpUntil(Pred done, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    auto until = std::chrono::steady_clock::now() + limit;
    while (!done()) {
      if (std::chrono::steady_clock::now() > until) return false;
      pumpMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  }

  int pumped = 0;

 private:
  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace norvane::test
