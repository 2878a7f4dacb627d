#include "gui/widgets/action_label.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "gui/widgets/image_list.h"

namespace norvane {

namespace {
constexpr int kIconSize = 16;
constexpr int kIconGap = 3;
}  // namespace

ActionLabel::ActionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  refit();
}

void ActionLabel::setText(const QString& text) {
  QLabel::setText(text);
  refit();
}

void ActionLabel::setHint(const QString& hint) {
  hint_ = hint;
  setToolTip(hint);
}

void ActionLabel::setImage(const ImageList* images, int index) {
  images_ = images;
  setImageIndex(index);
}

void ActionLabel::setImageIndex(int index) {
  imageIndex_ = index;
  setContentsMargins(iconSpace(), 0, 0, 0);
  refit();
  update();
}

void ActionLabel::setAutoSize(bool on) {
  autoSize_ = on;
  refit();
}

int ActionLabel::iconSpace() const {
  return (images_ != nullptr && imageIndex_ >= 0) ? kIconSize + kIconGap : 0;
}

void ActionLabel::refit() {
  if (autoSize_ && !wordWrap()) resize(sizeHint());
}

QSize ActionLabel::sizeHint() const {
  QSize s = QLabel::sizeHint();
  return s.expandedTo(QSize(0, iconSpace() > 0 ? kIconSize : 0));
}

QSize ActionLabel::minimumSizeHint() const { return sizeHint(); }

void ActionLabel::click() {
  emit clicked();
  if (linkTarget_.isEmpty()) return;
  if (opener_)
    opener_(linkTarget_);
  else
    QDesktopServices::openUrl(QUrl(linkTarget_));
}

void ActionLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void ActionLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  event->accept();
  if (wasPressed && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint()))
    click();
}

void ActionLabel::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  emit mouseEntered();
}

void ActionLabel::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  emit mouseLeft();
}

void ActionLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (iconSpace() == 0) return;
  QPainter p(this);
  const int y = wordWrap() ? 0 : (height() - kIconSize) / 2;
  p.drawPixmap(0, y, images_->pixmap(imageIndex_, kIconSize));
}

void ActionLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) refit();
}

}  // namespace norvane
