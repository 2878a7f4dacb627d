#pragma once
// The transparent strip across the top of a borderless window by which the user drags it.
#include <QLabel>
#include <functional>

namespace norvane {

class DragStrip : public QLabel {
  Q_OBJECT

 public:
  // How a window is handed to the system's move loop; forms keep one so tests can see the
  // request (an offscreen window can't be moved).
  using Mover = std::function<bool(QWidget* window)>;

  explicit DragStrip(QWidget* parent = nullptr);

  // Hands `widget`'s window to the system, which moves it with the mouse until the button is
  // released. False when the system can't.
  static bool startSystemMove(QWidget* widget);

 signals:
  // A press of any mouse button.
  void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace norvane
