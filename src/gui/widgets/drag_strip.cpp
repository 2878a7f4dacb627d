#include "gui/widgets/drag_strip.h"

#include <QMouseEvent>
#include <QWindow>

namespace norvane {

DragStrip::DragStrip(QWidget* parent) : QLabel(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
}

bool DragStrip::startSystemMove(QWidget* widget) {
  QWindow* handle = widget->window()->windowHandle();
  return handle != nullptr && handle->startSystemMove();
}

void DragStrip::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

}  // namespace norvane
