#pragma once
// The function page "目录统计": the partitions to count, the start and stop commands, the
// status line and one result row per top-level folder.
#include <QWidget>
#include <cstdint>
#include <vector>

class QLabel;
class QTreeWidget;

namespace norvane {

class ActionLabel;
class ImageList;

class StatsPage : public QWidget {
  Q_OBJECT

 public:
  // Columns of the result list.
  enum ResultColumn { kFolderColumn = 0, kSubfolderColumn, kFileColumn, kSizeColumn };

  explicit StatsPage(const ImageList& images, QWidget* parent = nullptr);

  // The drive numbers (1 for A) of the checked partitions, in list order.
  std::vector<int> checkedDriveNumbers() const;

  // While counting, the stop command stands in the start command's place.
  void showCounting(bool counting);
  // A long path is shortened in its middle so that the line ends with the folder's own name.
  void showStatus(const QString& text);
  void clearFolderRows();
  void addFolderRow(const QString& folder, std::int64_t subfolders, std::int64_t files,
                    const QString& sizeText);

  QTreeWidget* countPartitionList = nullptr;
  ActionLabel* startCountCommand = nullptr;  // "开始统计"
  ActionLabel* stopCountCommand =
      nullptr;  // "终止统计", in the start command's place while counting
  QLabel* countStatusLabel = nullptr;  // status line, 433 pixels wide
  QTreeWidget* folderSizeList = nullptr;

 private:
  const ImageList& images_;
};

}  // namespace norvane
