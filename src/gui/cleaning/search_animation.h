#pragma once
// The folder-search animation of the scan progress page: a magnifier circling over a folder,
// played frame by frame up to frame 29 and round again.
#include <QTimer>
#include <QWidget>

namespace norvane {

class ImageList;

class SearchAnimation : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kLastFrame = 29;

  explicit SearchAnimation(const ImageList& images, QWidget* parent = nullptr);

  void play();
  void stop();
  bool playing() const { return timer_.isActive(); }
  int frame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ImageList& images_;
  QTimer timer_;
  int frame_ = 0;
};

}  // namespace norvane
