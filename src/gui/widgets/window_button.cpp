#include "gui/widgets/window_button.h"

#include <QIcon>
#include <QPainter>
#include <QToolButton>

#include "gui/widgets/skin.h"

namespace norvane {

namespace {

QPixmap glyph(WindowButtonKind kind, const QColor& colour) {
  QPixmap pm(12, 12);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
  if (kind == WindowButtonKind::Minimise) {
    p.drawLine(QPointF(2.5, 9), QPointF(9.5, 9));
  } else {
    p.drawLine(QPointF(2.5, 2.5), QPointF(9.5, 9.5));
    p.drawLine(QPointF(2.5, 9.5), QPointF(9.5, 2.5));
  }
  return pm;
}

}  // namespace

QToolButton* createWindowButton(QWidget* parent, const QString& objectName, WindowButtonKind kind) {
  auto* button = new QToolButton(parent);
  button->setObjectName(objectName);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setIcon(QIcon(glyph(kind, Skin::captionText())));
  button->setIconSize(QSize(12, 12));
  button->resize(16, 16);
  button->setToolTip(kind == WindowButtonKind::Minimise ? QStringLiteral("最小化")
                                                        : QStringLiteral("关闭"));
  const QString hover = kind == WindowButtonKind::Close ? QStringLiteral("rgba(220,60,40,200)")
                                                        : QStringLiteral("rgba(255,255,255,70)");
  button->setStyleSheet(
      QStringLiteral("QToolButton { border: none; border-radius: 2px; padding: 0; }"
                     "QToolButton:hover { background: %1; }")
          .arg(hover));
  return button;
}

}  // namespace norvane
