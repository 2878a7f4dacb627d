#pragma once
// The function page "目录统计": partitions to count and the per-folder results.
#include <QWidget>

class QLabel;
class QTreeWidget;

namespace norvane {

class ActionLabel;
class ImageList;

class StatsPage : public QWidget {
  Q_OBJECT

 public:
  explicit StatsPage(const ImageList& images, QWidget* parent = nullptr);

  QTreeWidget* HDlist1 = nullptr;
  ActionLabel* ActLabel28 = nullptr;  // "开始统计"
  ActionLabel* ActLabel32 = nullptr;  // "终止统计", in the start command's place while counting
  QLabel* Label5 = nullptr;           // status line, 433 pixels wide
  QTreeWidget* DirInfo = nullptr;
};

}  // namespace norvane
