#include "gui/widgets/image_list.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

// Index table (the numbers the windows refer to):
//  0 file cleanup (broom)      1 hard disk              2 software (box)
//  3 welcome (star)            4 settings (gear)        5 file types (page with lines)
//  6 folder                    7 partition              8 start scan (magnifier)
//  9 stop (red square)        10 back (arrow)          11 file list
// 12 file                     13 add (plus)            14 cancel (cross)
// 15 about (i)                16 restart               17 recycle bin
// 18 stop count (octagon)     19 folder statistics     20 pie chart
// 21 start count (play)       22 question              23 delete registration
// 24 uninstall                25 web site (globe)      26 online update
// 27 mail                     28 messenger             29 shortcut (lightning)
// 30 warning                  31 done (tick)

namespace norvane {

namespace {

const QColor kGreen(34, 150, 24);
const QColor kDarkGreen(16, 100, 8);
const QColor kRed(210, 40, 30);
const QColor kBlue(40, 90, 200);
const QColor kOutline(60, 70, 60);

QPen pen(const QColor& c, qreal w = 1.0) {
  QPen p(c, w);
  p.setJoinStyle(Qt::RoundJoin);
  p.setCapStyle(Qt::RoundCap);
  return p;
}

QBrush vertical(const QColor& top, const QColor& bottom, qreal y0 = 0, qreal y1 = 16) {
  QLinearGradient g(0, y0, 0, y1);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return QBrush(g);
}

void page(QPainter& p, const QColor& fill = Qt::white) {
  QPainterPath path;
  path.moveTo(3, 1.5);
  path.lineTo(10, 1.5);
  path.lineTo(13, 4.5);
  path.lineTo(13, 14.5);
  path.lineTo(3, 14.5);
  path.closeSubpath();
  p.setPen(pen(kOutline));
  p.setBrush(fill);
  p.drawPath(path);
  p.drawLine(QPointF(10, 1.5), QPointF(10, 4.5));
  p.drawLine(QPointF(10, 4.5), QPointF(13, 4.5));
}

void folder(QPainter& p) {
  QPainterPath back;
  back.moveTo(1, 3);
  back.lineTo(6, 3);
  back.lineTo(7.5, 4.5);
  back.lineTo(15, 4.5);
  back.lineTo(15, 13.5);
  back.lineTo(1, 13.5);
  back.closeSubpath();
  p.setPen(pen(QColor(150, 110, 20)));
  p.setBrush(vertical(QColor(255, 222, 120), QColor(230, 170, 40)));
  p.drawPath(back);
  p.setBrush(vertical(QColor(255, 236, 160), QColor(240, 190, 60)));
  p.drawRect(QRectF(1, 6.5, 14, 7));
}

void disk(QPainter& p, const QColor& led) {
  p.setPen(pen(kOutline));
  p.setBrush(vertical(QColor(235, 238, 235), QColor(150, 160, 150)));
  p.drawRoundedRect(QRectF(1, 5, 14, 7), 1.5, 1.5);
  p.setPen(pen(QColor(110, 120, 110)));
  p.drawLine(QPointF(3, 10), QPointF(9, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(led);
  p.drawEllipse(QPointF(12.2, 9.8), 1.1, 1.1);
}

void circle(QPainter& p, const QColor& c) {
  p.setPen(pen(c.darker(140)));
  p.setBrush(vertical(c.lighter(150), c));
  p.drawEllipse(QRectF(1, 1, 14, 14));
}

void glyph(QPainter& p, const QString& text, const QColor& c, int px = 11) {
  QFont f = p.font();
  f.setPixelSize(px);
  f.setBold(true);
  p.setFont(f);
  p.setPen(c);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

void cross(QPainter& p, const QPointF& c, qreal r, const QColor& colour, qreal w = 2.0) {
  p.setPen(pen(colour, w));
  p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
  p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
}

void arrowDown(QPainter& p, const QColor& c) {
  QPolygonF a;
  a << QPointF(6, 3) << QPointF(10, 3) << QPointF(10, 8) << QPointF(13, 8) << QPointF(8, 13)
    << QPointF(3, 8) << QPointF(6, 8);
  p.setPen(pen(c.darker(150)));
  p.setBrush(c);
  p.drawPolygon(a);
}

void box(QPainter& p) {
  p.setPen(pen(QColor(120, 80, 30)));
  p.setBrush(vertical(QColor(240, 200, 140), QColor(200, 150, 80)));
  p.drawRect(QRectF(2, 6, 12, 8.5));
  p.setBrush(QColor(245, 215, 160));
  QPolygonF lid;
  lid << QPointF(2, 6) << QPointF(4, 3) << QPointF(12, 3) << QPointF(14, 6);
  p.drawPolygon(lid);
  p.drawLine(QPointF(8, 3), QPointF(8, 6));
}

void paintIcon(QPainter& p, int index) {
  switch (index) {
    case 0: {  // broom
      p.setPen(pen(QColor(130, 80, 30), 1.6));
      p.drawLine(QPointF(13.5, 1.5), QPointF(8, 8));
      QPolygonF bristles;
      bristles << QPointF(6.5, 6.5) << QPointF(10, 9.5) << QPointF(6, 15) << QPointF(1, 10.5);
      p.setPen(pen(kDarkGreen));
      p.setBrush(vertical(QColor(150, 230, 110), kGreen, 6, 15));
      p.drawPolygon(bristles);
      p.drawLine(QPointF(4.5, 9.5), QPointF(2.8, 12.2));
      p.drawLine(QPointF(6.5, 11), QPointF(4.6, 13.7));
      break;
    }
    case 1:
      disk(p, QColor(60, 200, 40));
      break;
    case 2:
      box(p);
      p.setPen(pen(kBlue, 1.5));
      p.drawLine(QPointF(5.5, 10), QPointF(10.5, 10));
      break;
    case 3: {  // star
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? 7.2 : 3.0;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(8 + r * std::cos(a), 8.6 + r * std::sin(a));
      }
      p.setPen(pen(QColor(190, 120, 0)));
      p.setBrush(vertical(QColor(255, 240, 120), QColor(250, 170, 20)));
      p.drawPolygon(star);
      break;
    }
    case 4: {  // gear
      p.setPen(pen(kOutline));
      p.setBrush(vertical(QColor(220, 225, 220), QColor(140, 150, 140)));
      QPainterPath gear;
      for (int i = 0; i < 16; ++i) {
        const qreal r = (i % 2 == 0) ? 7.0 : 5.2;
        const qreal a0 = i * M_PI / 8 - M_PI / 16, a1 = i * M_PI / 8 + M_PI / 16;
        const QPointF p0(8 + r * std::cos(a0), 8 + r * std::sin(a0));
        const QPointF p1(8 + r * std::cos(a1), 8 + r * std::sin(a1));
        if (i == 0)
          gear.moveTo(p0);
        else
          gear.lineTo(p0);
        gear.lineTo(p1);
      }
      gear.closeSubpath();
      gear.addEllipse(QPointF(8, 8), 2.2, 2.2);
      gear.setFillRule(Qt::OddEvenFill);
      p.drawPath(gear);
      break;
    }
    case 5:
      page(p);
      p.setPen(pen(kGreen));
      for (qreal y : {6.5, 8.5, 10.5, 12.5}) p.drawLine(QPointF(5, y), QPointF(11, y));
      break;
    case 6:
      folder(p);
      break;
    case 7:
      disk(p, QColor(60, 200, 40));
      p.setPen(pen(kDarkGreen, 1.2));
      p.drawLine(QPointF(1.5, 3), QPointF(14.5, 3));
      break;
    case 8:  // magnifier
      p.setPen(pen(QColor(120, 80, 30), 2.4));
      p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
      p.setPen(pen(kOutline, 1.4));
      p.setBrush(QColor(200, 235, 255));
      p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
      break;
    case 9:
      p.setPen(pen(kRed.darker(140)));
      p.setBrush(vertical(kRed.lighter(140), kRed));
      p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
      break;
    case 10: {  // back arrow
      QPolygonF a;
      a << QPointF(1.5, 8) << QPointF(7, 2.5) << QPointF(7, 5.5) << QPointF(14.5, 5.5)
        << QPointF(14.5, 10.5) << QPointF(7, 10.5) << QPointF(7, 13.5);
      p.setPen(pen(kDarkGreen));
      p.setBrush(vertical(QColor(150, 230, 110), kGreen));
      p.drawPolygon(a);
      break;
    }
    case 11:
      p.setPen(pen(kOutline));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      for (qreal y : {4.5, 8.0, 11.5}) {
        p.setPen(pen(kGreen, 1.6));
        p.drawPoint(QPointF(4, y));
        p.setPen(pen(kOutline));
        p.drawLine(QPointF(6, y), QPointF(12.5, y));
      }
      break;
    case 12:
      page(p);
      break;
    case 13:
      circle(p, kGreen);
      p.setPen(pen(Qt::white, 2));
      p.drawLine(QPointF(8, 4.5), QPointF(8, 11.5));
      p.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
      break;
    case 14:
      circle(p, kRed);
      cross(p, QPointF(8, 8), 3, Qt::white);
      break;
    case 15:
      circle(p, kBlue);
      glyph(p, QStringLiteral("i"), Qt::white, 12);
      break;
    case 16: {  // circular arrow
      p.setPen(pen(kGreen, 2.2));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 290 * 16);
      QPolygonF head;
      head << QPointF(6.5, 0.5) << QPointF(10.5, 3.0) << QPointF(6.5, 5.5);
      p.setPen(Qt::NoPen);
      p.setBrush(kGreen);
      p.drawPolygon(head);
      break;
    }
    case 17: {  // recycle bin
      p.setPen(pen(kOutline));
      p.setBrush(vertical(QColor(230, 240, 250), QColor(160, 180, 200)));
      QPolygonF bin;
      bin << QPointF(3, 4) << QPointF(13, 4) << QPointF(12, 15) << QPointF(4, 15);
      p.drawPolygon(bin);
      p.drawRect(QRectF(2, 2.5, 12, 1.5));
      p.setPen(pen(kGreen, 1.2));
      p.drawLine(QPointF(6, 6), QPointF(6.4, 13));
      p.drawLine(QPointF(10, 6), QPointF(9.6, 13));
      break;
    }
    case 18: {  // octagon
      QPolygonF oct;
      for (int i = 0; i < 8; ++i) {
        const qreal a = M_PI / 8 + i * M_PI / 4;
        oct << QPointF(8 + 7 * std::cos(a), 8 + 7 * std::sin(a));
      }
      p.setPen(pen(kRed.darker(150)));
      p.setBrush(vertical(kRed.lighter(140), kRed));
      p.drawPolygon(oct);
      p.setPen(pen(Qt::white, 1.8));
      p.drawLine(QPointF(5, 8), QPointF(11, 8));
      break;
    }
    case 19:  // bars
      p.setPen(pen(kOutline));
      p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
      p.setBrush(vertical(QColor(150, 230, 110), kGreen));
      p.drawRect(QRectF(2.5, 8, 3, 6.5));
      p.setBrush(vertical(QColor(140, 190, 255), kBlue));
      p.drawRect(QRectF(6.5, 3, 3, 11.5));
      p.setBrush(vertical(QColor(255, 220, 120), QColor(230, 160, 30)));
      p.drawRect(QRectF(10.5, 6, 3, 8.5));
      break;
    case 20:  // pie
      p.setPen(pen(kOutline));
      p.setBrush(QColor(181, 255, 181));
      p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(kBlue);
      p.drawPie(QRectF(1.5, 1.5, 13, 13), 90 * 16, 130 * 16);
      break;
    case 21: {  // play
      QPolygonF play;
      play << QPointF(4, 2) << QPointF(14, 8) << QPointF(4, 14);
      p.setPen(pen(kDarkGreen));
      p.setBrush(vertical(QColor(150, 230, 110), kGreen));
      p.drawPolygon(play);
      break;
    }
    case 22:
      circle(p, kBlue);
      glyph(p, QStringLiteral("?"), Qt::white, 12);
      break;
    case 23:
      page(p);
      cross(p, QPointF(10.5, 11), 2.6, kRed, 2.0);
      break;
    case 24:
      box(p);
      p.setPen(pen(kRed, 1.8));
      p.drawLine(QPointF(8, 12.5), QPointF(8, 7.5));
      p.drawLine(QPointF(5.8, 9.7), QPointF(8, 7.5));
      p.drawLine(QPointF(10.2, 9.7), QPointF(8, 7.5));
      break;
    case 25:  // globe
      p.setPen(pen(kBlue.darker(130)));
      p.setBrush(vertical(QColor(170, 220, 255), QColor(60, 130, 220)));
      p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(5, 1.5, 6, 13));
      p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
      p.drawLine(QPointF(2.5, 4.8), QPointF(13.5, 4.8));
      p.drawLine(QPointF(2.5, 11.2), QPointF(13.5, 11.2));
      break;
    case 26:
      circle(p, kGreen);
      p.scale(0.75, 0.75);
      p.translate(2.7, 2.4);
      arrowDown(p, Qt::white);
      break;
    case 27:  // envelope
      p.setPen(pen(kOutline));
      p.setBrush(QColor(255, 252, 235));
      p.drawRect(QRectF(1.5, 3.5, 13, 9));
      p.drawLine(QPointF(1.5, 3.5), QPointF(8, 8.5));
      p.drawLine(QPointF(14.5, 3.5), QPointF(8, 8.5));
      break;
    case 28: {  // speech bubble
      QPainterPath bubble;
      bubble.addRoundedRect(QRectF(1.5, 2, 13, 9), 3, 3);
      QPolygonF tail;
      tail << QPointF(4, 10) << QPointF(3.5, 14.5) << QPointF(8, 10.5);
      bubble.addPolygon(tail);
      bubble = bubble.simplified();
      p.setPen(pen(kDarkGreen));
      p.setBrush(vertical(QColor(190, 245, 160), QColor(90, 190, 60)));
      p.drawPath(bubble);
      p.setPen(pen(Qt::white, 1.6));
      for (qreal x : {5.0, 8.0, 11.0}) p.drawPoint(QPointF(x, 6.5));
      break;
    }
    case 29: {  // lightning
      QPolygonF bolt;
      bolt << QPointF(9.5, 0.5) << QPointF(3, 9) << QPointF(7.5, 9) << QPointF(6, 15.5)
           << QPointF(13, 6.5) << QPointF(8.5, 6.5);
      p.setPen(pen(QColor(190, 120, 0)));
      p.setBrush(vertical(QColor(255, 240, 120), QColor(250, 170, 20)));
      p.drawPolygon(bolt);
      break;
    }
    case 30: {  // warning
      QPolygonF tri;
      tri << QPointF(8, 1.5) << QPointF(15, 14.5) << QPointF(1, 14.5);
      p.setPen(pen(QColor(170, 110, 0)));
      p.setBrush(vertical(QColor(255, 235, 120), QColor(245, 180, 20)));
      p.drawPolygon(tri);
      p.setPen(pen(Qt::black, 1.8));
      p.drawLine(QPointF(8, 6), QPointF(8, 10));
      p.drawPoint(QPointF(8, 12.6));
      break;
    }
    case 31:
      circle(p, kGreen);
      p.setPen(pen(Qt::white, 2));
      p.drawLine(QPointF(4.5, 8.5), QPointF(7, 11));
      p.drawLine(QPointF(7, 11), QPointF(11.5, 5));
      break;
    default:
      break;
  }
}

}  // namespace

QPixmap ImageList::pixmap(int index, int size) const {
  const auto key = std::make_pair(index, size);
  const auto found = cache_.find(key);
  if (found != cache_.end()) return found->second;
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  if (index >= 0 && index < kCount) {
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 16.0, size / 16.0);
    paintIcon(p, index);
  }
  cache_.emplace(key, pm);
  return pm;
}

QIcon ImageList::icon(int index) const {
  QIcon icon;
  icon.addPixmap(pixmap(index, 16));
  icon.addPixmap(pixmap(index, 32));
  return icon;
}

}  // namespace norvane
