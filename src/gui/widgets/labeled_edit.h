#pragma once
// A single-line input with its caption label standing just above it. The label is a sibling
// widget, so moving or resizing the input takes the label along.
#include <QLineEdit>

class QLabel;

namespace norvane {

class LabeledEdit : public QLineEdit {
  Q_OBJECT

 public:
  LabeledEdit(const QString& objectName, const QString& caption, QWidget* parent);

  QLabel* fieldCaption = nullptr;

 protected:
  void moveEvent(QMoveEvent* event) override;

 private:
  void placeLabel();
};

}  // namespace norvane
