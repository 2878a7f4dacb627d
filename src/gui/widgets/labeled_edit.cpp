#include "gui/widgets/labeled_edit.h"

#include <QLabel>

namespace norvane {

namespace {
constexpr int kLabelGap = 3;
}

LabeledEdit::LabeledEdit(const QString& objectName, const QString& caption, QWidget* parent)
    : QLineEdit(parent) {
  setObjectName(objectName);
  fieldCaption = new QLabel(caption, parent);
  fieldCaption->setObjectName(objectName + QStringLiteral("Label"));
  fieldCaption->setBuddy(this);
  placeLabel();
}

void LabeledEdit::moveEvent(QMoveEvent* event) {
  QLineEdit::moveEvent(event);
  placeLabel();
}

void LabeledEdit::placeLabel() {
  fieldCaption->adjustSize();
  fieldCaption->move(x(), y() - fieldCaption->height() - kLabelGap);
}

}  // namespace norvane
