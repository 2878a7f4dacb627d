#include "gui/widgets/labeled_edit.h"

#include <QLabel>

namespace norvane {

namespace {
constexpr int kLabelGap = 3;
}

LabeledEdit::LabeledEdit(const QString& objectName, const QString& caption, QWidget* parent)
    : QLineEdit(parent) {
  setObjectName(objectName);
  EditLabel = new QLabel(caption, parent);
  EditLabel->setObjectName(objectName + QStringLiteral("Label"));
  EditLabel->setBuddy(this);
  placeLabel();
}

void LabeledEdit::moveEvent(QMoveEvent* event) {
  QLineEdit::moveEvent(event);
  placeLabel();
}

void LabeledEdit::placeLabel() {
  EditLabel->adjustSize();
  EditLabel->move(x(), y() - EditLabel->height() - kLabelGap);
}

}  // namespace norvane
