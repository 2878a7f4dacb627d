#pragma once
// The information page "硬盘信息": a pie of used against free space over every fixed drive,
// the system partition's facts, and the recycle-bin line with its "清空回收站" command.
#include <QWidget>
#include <memory>

#include "platform/platform.h"

class QChartView;
class QGroupBox;
class QLabel;
class QPieSeries;

namespace norvane {

class ActionLabel;
class ImageList;
class Prompts;

class DiskPanel : public QWidget {
  Q_OBJECT

 public:
  DiskPanel(const Platform& platform, std::shared_ptr<Prompts> prompts, const ImageList& images,
            QWidget* parent = nullptr);

  // Rebuilds the chart, its footer and the four system-partition lines.
  void showDiskSpace();
  // Queries the recycle bins into recycleBinLabel.
  void showRecycleBin();
  // True when every recycle bin was emptied.
  bool emptyRecycleBin();
  // "清空回收站": empty, report, refresh the line.
  void emptyRecycleBinAndReport();

  QString chartFooter() const;

  QChartView* diskChart = nullptr;
  QPieSeries* diskSeries = nullptr;
  QLabel* totalCapacityLabel = nullptr;
  QGroupBox* systemInfoBox = nullptr;
  QLabel* systemPartitionLabel = nullptr;
  QLabel* fileSystemLabel = nullptr;
  QLabel* totalSizeLabel = nullptr;
  QLabel* freeSpaceLabel = nullptr;
  ActionLabel* recycleBinLabel = nullptr;
  ActionLabel* emptyRecycleBinCommand = nullptr;

 private:
  void buildChart();
  void addSlice(double value, const QString& label, const QColor& colour);
  void shadeSlices();

  QLabel* legendLines_[2] = {};
  Platform platform_;
  std::shared_ptr<Prompts> prompts_;
};

}  // namespace norvane
