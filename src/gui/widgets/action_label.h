#pragma once
// The label the whole interface is built from: a caption with an optional icon from the image
// list, a Tag, a hint, click and hover signals, and an optional link target that is opened
// after the click handlers have run.
#include <QLabel>
#include <QString>
#include <functional>

namespace norvane {

class ImageList;

class ActionLabel : public QLabel {
  Q_OBJECT

 public:
  using LinkOpener = std::function<void(const QString& target)>;

  explicit ActionLabel(const QString& text = QString(), QWidget* parent = nullptr);

  // Sets the caption and refits the label (QLabel::setText is not virtual).
  void setText(const QString& text);

  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

  // The hint is also the tooltip.
  QString hint() const { return hint_; }
  void setHint(const QString& hint);

  int imageIndex() const { return imageIndex_; }
  // Shows icon `index` of `images` left of the text; -1 (or no list) shows none.
  void setImage(const ImageList* images, int index);
  void setImageIndex(int index);

  QString linkTarget() const { return linkTarget_; }
  void setLinkTarget(const QString& target) { linkTarget_ = target; }
  // Opens the link target; without one the desktop's opener is used.
  void setLinkOpener(LinkOpener opener) { opener_ = std::move(opener); }

  // With auto-size on (the default) the label keeps its size fitted to its text, also when a
  // hover look makes the text bold.
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool on);

  // What a click of the mouse does: the click signal, then the link.
  void click();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void clicked();
  void mouseEntered();
  void mouseLeft();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int iconSpace() const;
  void refit();

  int tag_ = 0;
  QString hint_;
  const ImageList* images_ = nullptr;
  int imageIndex_ = -1;
  QString linkTarget_;
  LinkOpener opener_;
  bool autoSize_ = true;
  bool pressed_ = false;
};

}  // namespace norvane
