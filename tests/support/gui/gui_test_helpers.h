#pragma once
// Small helpers shared by the window tests: hover and click as the mouse does them.
#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>

namespace norvane::test {

inline void hover(QWidget* w) {
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(w, &enter);
}

inline void unhover(QWidget* w) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w, &leave);
}

// A left click in the middle of a widget that the user can see.
inline bool clickVisible(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
  if (w == nullptr || !w->isVisible()) return false;
  QTest::mouseClick(w, button, Qt::NoModifier, w->rect().center());
  return true;
}

}  // namespace norvane::test
