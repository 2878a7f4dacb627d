#pragma once
// The information page "扫描结果": progress and outcome of a junk scan.
#include <QWidget>

class QLabel;

namespace norvane {

class ActionLabel;
class ImageList;
class SearchAnimation;

class ScanProgressPage : public QWidget {
  Q_OBJECT

 public:
  explicit ScanProgressPage(const ImageList& images, QWidget* parent = nullptr);

  SearchAnimation* Animate1 = nullptr;
  QLabel* Label4 = nullptr;           // status line, 441 pixels wide
  ActionLabel* ActLabel25 = nullptr;  // folders counter
  ActionLabel* ActLabel26 = nullptr;  // files counter
  ActionLabel* ActLabel27 = nullptr;  // total size
  ActionLabel* ActLabel29 = nullptr;  // "停止扫描"
  ActionLabel* ActLabel31 = nullptr;  // "打开文件列表"
  ActionLabel* ActLabel30 = nullptr;  // "返回"
};

}  // namespace norvane
