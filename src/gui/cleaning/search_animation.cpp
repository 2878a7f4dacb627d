#include "gui/cleaning/search_animation.h"

#include <QPainter>
#include <cmath>

#include "gui/widgets/image_list.h"

namespace norvane {

SearchAnimation::SearchAnimation(const ImageList& images, QWidget* parent)
    : QWidget(parent), images_(images) {
  timer_.setInterval(60);
  connect(&timer_, &QTimer::timeout, this, [this] {
    frame_ = frame_ >= kLastFrame ? 0 : frame_ + 1;
    update();
  });
}

void SearchAnimation::play() { timer_.start(); }

void SearchAnimation::stop() {
  timer_.stop();
  frame_ = 0;
  update();
}

void SearchAnimation::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(width(), height());
  const int folderSize = side * 3 / 4;
  const QPoint folderAt((width() - folderSize) / 2, height() - folderSize);
  p.drawPixmap(folderAt, images_.pixmap(6, folderSize));
  const double angle = 2 * M_PI * frame_ / (kLastFrame + 1);
  const int glass = side / 2;
  const QPointF centre(width() / 2.0 + std::cos(angle) * side / 4.0 - glass / 2.0,
                       height() / 2.0 + std::sin(angle) * side / 5.0 - glass / 2.0);
  p.drawPixmap(centre, images_.pixmap(8, glass));
}

}  // namespace norvane
