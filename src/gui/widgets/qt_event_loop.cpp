#include "gui/widgets/qt_event_loop.h"

#include <QCoreApplication>

namespace norvane {

QtEventLoop::QtEventLoop() = default;

// Work still queued for the context is dropped with it.
QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::pumpMessages() { QCoreApplication::processEvents(); }

void QtEventLoop::post(std::function<void()> task) {
  QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
}

}  // namespace norvane
