#pragma once
// The borderless skinned dialog frame the program's dialogs are built on: background, drag
// strip, icon, caption line and close button. Each dialog sets its size, icon and caption and
// moves the close button to its own right edge.
#include <QDialog>

#include "gui/widgets/drag_strip.h"

class QLabel;
class QToolButton;

namespace norvane {

class DialogFrame : public QDialog {
  Q_OBJECT

 public:
  explicit DialogFrame(QWidget* parent = nullptr);

  // Drag strip press, any button: hand the dialog to the system's move.
  void startWindowMove(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
  // Close button: closes the dialog; a modal run ends with the cancel result.
  void closeWindow(QObject* sender);

  void setWindowMover(DragStrip::Mover mover) { mover_ = std::move(mover); }

  QLabel* backgroundImage = nullptr;
  DragStrip* dragStrip = nullptr;
  QLabel* captionIcon = nullptr;
  QLabel* captionLabel = nullptr;
  QToolButton* closeButton = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  DragStrip::Mover mover_;
};

}  // namespace norvane
