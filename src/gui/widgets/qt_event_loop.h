#pragma once
// The core's event loop served by Qt's: pumping runs the waiting events of the calling
// thread, posted work runs on the thread of the loop's owner.
#include <QObject>
#include <functional>

#include "platform/event_loop.h"

namespace norvane {

class QtEventLoop : public EventLoop {
 public:
  // Posted work runs on the thread that creates the loop.
  QtEventLoop();
  ~QtEventLoop() override;

  void pumpMessages() override;
  void post(std::function<void()> task) override;

 private:
  QObject context_;
};

}  // namespace norvane
