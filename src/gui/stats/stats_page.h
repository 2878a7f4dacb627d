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

  QTreeWidget* countPartitionList = nullptr;
  ActionLabel* startCountCommand = nullptr;  // "开始统计"
  ActionLabel* stopCountCommand =
      nullptr;  // "终止统计", in the start command's place while counting
  QLabel* countStatusLabel = nullptr;  // status line, 433 pixels wide
  QTreeWidget* folderSizeList = nullptr;
};

}  // namespace norvane
