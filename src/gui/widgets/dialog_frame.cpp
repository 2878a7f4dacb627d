#include "gui/widgets/dialog_frame.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QToolButton>

#include "gui/widgets/skin.h"
#include "gui/widgets/window_button.h"

namespace norvane {

DialogFrame::DialogFrame(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("DialogFrame"));
  setWindowTitle(kApplicationTitle);

  backgroundImage = new QLabel(this);
  backgroundImage->setObjectName(QStringLiteral("backgroundImage"));
  backgroundImage->setScaledContents(true);

  dragStrip = new DragStrip(this);
  dragStrip->setObjectName(QStringLiteral("dragStrip"));
  dragStrip->setGeometry(-122, 1, 662, 32);
  connect(dragStrip, &DragStrip::mouseDown, this, &DialogFrame::startWindowMove);

  captionIcon = new QLabel(this);
  captionIcon->setObjectName(QStringLiteral("captionIcon"));
  captionIcon->setGeometry(3, -1, 32, 32);
  captionIcon->setPixmap(Skin::programIcon(28));
  captionIcon->setAlignment(Qt::AlignCenter);

  captionLabel = new QLabel(this);
  captionLabel->setObjectName(QStringLiteral("captionLabel"));
  captionLabel->setFont(Skin::uiFont(12, true));
  QPalette pal = captionLabel->palette();
  pal.setColor(QPalette::WindowText, Skin::captionText());
  captionLabel->setPalette(pal);
  captionLabel->setGeometry(38, 13, 400, 16);

  closeButton = createWindowButton(this, QStringLiteral("closeButton"), WindowButtonKind::Close);
  closeButton->move(517, 8);
  connect(closeButton, &QToolButton::clicked, this, [this] { closeWindow(closeButton); });

  resize(540, 456);
}

void DialogFrame::startWindowMove(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
  if (mover_)
    mover_(this);
  else
    DragStrip::startSystemMove(this);
}

void DialogFrame::closeWindow(QObject*) { reject(); }

void DialogFrame::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  backgroundImage->setGeometry(rect());
  backgroundImage->setPixmap(Skin::dialogBackground(size()));
  backgroundImage->lower();
}

void DialogFrame::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* screen = this->screen()) {
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

}  // namespace norvane
