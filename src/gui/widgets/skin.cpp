#include "gui/widgets/skin.h"

#include <QApplication>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace norvane {

namespace {

const QColor kBandTop(22, 110, 14);
const QColor kBandBottom(48, 150, 34);
const QColor kLightTop(236, 249, 232);
const QColor kLightBottom(210, 238, 202);
const QColor kBody(243, 251, 241);
const QColor kFrame(120, 186, 108);

constexpr int kCaptionBand = 42;
constexpr int kButtonBand = 120;

void paintCaptionBand(QPainter& p, int width) {
  QLinearGradient band(0, 0, 0, kCaptionBand);
  band.setColorAt(0, kBandBottom);
  band.setColorAt(1, kBandTop);
  p.fillRect(0, 0, width, kCaptionBand, band);
  p.setPen(QColor(255, 255, 255, 60));
  p.drawLine(0, 1, width, 1);
}

void paintOuterFrame(QPainter& p, QSize size) {
  p.setPen(QColor(14, 80, 8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, size.width() - 1, size.height() - 1);
}

// A stylised disk with a sweep of green across it: the product's mark.
void paintMark(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient metal(r.topLeft(), r.bottomRight());
  metal.setColorAt(0, QColor(250, 250, 250));
  metal.setColorAt(1, QColor(170, 184, 170));
  p.setPen(QPen(QColor(60, 90, 60), r.width() / 40));
  p.setBrush(metal);
  p.drawEllipse(r);
  const QRectF hub =
      r.adjusted(r.width() * 0.38, r.height() * 0.38, -r.width() * 0.38, -r.height() * 0.38);
  p.setBrush(QColor(90, 110, 90));
  p.drawEllipse(hub);
  QPainterPath sweep;
  sweep.moveTo(r.center());
  sweep.arcTo(r.adjusted(2, 2, -2, -2), 20, 110);
  sweep.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 170, 30, 170));
  p.drawPath(sweep);
  p.restore();
}

}  // namespace

QFont Skin::uiFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                    QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QPixmap Skin::mainBackground(QSize size) {
  QPixmap pm(size);
  pm.fill(kBody);
  QPainter p(&pm);
  paintCaptionBand(p, size.width());

  QLinearGradient light(0, kCaptionBand, 0, kButtonBand);
  light.setColorAt(0, kLightTop);
  light.setColorAt(1, kLightBottom);
  p.fillRect(0, kCaptionBand, size.width(), kButtonBand - kCaptionBand, light);
  p.setPen(kFrame);
  p.drawLine(0, kButtonBand, size.width(), kButtonBand);

  paintMark(p, QRectF(22, 50, 60, 60));
  p.setPen(Skin::textGreen());
  p.setFont(uiFont(22, true));
  p.drawText(QPoint(92, 78), QStringLiteral("Norvane磁盘清理"));
  p.setPen(QColor(70, 120, 60));
  p.setFont(uiFont(12));
  p.drawText(QPoint(94, 100), QStringLiteral("清理垃圾文件 · 释放磁盘空间"));

  // The frame around the function pages and the notice line below them.
  p.setPen(kFrame);
  p.setBrush(Qt::white);
  p.drawRect(19, 124, 623, 368);
  p.setPen(QColor(200, 226, 194));
  p.drawLine(12, 498, size.width() - 12, 498);
  paintOuterFrame(p, size);
  return pm;
}

QPixmap Skin::dialogBackground(QSize size) {
  QPixmap pm(size);
  pm.fill(kBody);
  QPainter p(&pm);
  paintCaptionBand(p, size.width());
  p.setPen(kFrame);
  p.drawLine(0, kCaptionBand, size.width(), kCaptionBand);
  paintOuterFrame(p, size);
  return pm;
}

QPixmap Skin::programIcon(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  QLinearGradient g(0, 0, 0, s);
  g.setColorAt(0, QColor(120, 220, 90));
  g.setColorAt(1, QColor(30, 130, 20));
  p.setPen(QPen(QColor(240, 255, 236), s / 16));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88), s * 0.2, s * 0.2);
  paintMark(p, QRectF(s * 0.2, s * 0.2, s * 0.6, s * 0.6));
  return pm;
}

QCursor Skin::myCursor() {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;
  arrow.moveTo(1, 1);
  arrow.lineTo(1, 19);
  arrow.lineTo(5.5, 15);
  arrow.lineTo(9, 22.5);
  arrow.lineTo(12, 21);
  arrow.lineTo(8.5, 13.5);
  arrow.lineTo(14.5, 13.5);
  arrow.closeSubpath();
  QLinearGradient fill(0, 0, 14, 22);
  fill.setColorAt(0, QColor(150, 240, 120));
  fill.setColorAt(1, QColor(20, 130, 10));
  p.setPen(QPen(QColor(8, 50, 4), 1.2));
  p.setBrush(fill);
  p.drawPath(arrow);
  return QCursor(pm, 1, 1);
}

void Skin::installApplicationCursor() {
  // Override cursors stack; one level is enough and keeps a second main window harmless.
  if (QGuiApplication::overrideCursor() != nullptr) return;
  QGuiApplication::setOverrideCursor(myCursor());
}

void Skin::applyApplicationLook(QApplication& app) {
  app.setFont(uiFont());
  QPalette pal = app.palette();
  pal.setColor(QPalette::Highlight, QColor(60, 160, 45));
  pal.setColor(QPalette::HighlightedText, Qt::white);
  pal.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  pal.setColor(QPalette::ToolTipText, Qt::black);
  app.setPalette(pal);
  app.setWindowIcon(QIcon(programIcon(32)));
}

}  // namespace norvane
