#pragma once
// The image list imageList: the small icons of labels, list rows and functionCaption, drawn in
// code. Indexes are fixed; see the table at the top of image_list.cpp.
#include <QIcon>
#include <QPixmap>
#include <map>
#include <utility>

namespace norvane {

class ImageList {
 public:
  static constexpr int kCount = 32;
  static constexpr int kDefaultSize = 16;

  int count() const { return kCount; }
  // The icon `index` at `size` pixels; a transparent picture for an index out of range.
  QPixmap pixmap(int index, int size = kDefaultSize) const;
  QIcon icon(int index) const;

 private:
  mutable std::map<std::pair<int, int>, QPixmap> cache_;
};

}  // namespace norvane
