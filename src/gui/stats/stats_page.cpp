#include "gui/stats/stats_page.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTreeWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/list_views.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

namespace {

constexpr int kFolderIcon = 6;

}  // namespace

StatsPage::StatsPage(const ImageList& images, QWidget* parent) : QWidget(parent), images_(images) {
  setObjectName(QStringLiteral("statsPage"));
  setWindowTitle(QStringLiteral("目录统计"));

  countPartitionList = createListView(this, QStringLiteral("countPartitionList"),
                                      {{QStringLiteral("分区"), 130},
                                       {QStringLiteral("空间总计"), 130},
                                       {QStringLiteral("可用空间"), 170}},
                                      false);
  countPartitionList->setGeometry(12, 12, 460, 108);

  startCountCommand = createCommandLabel(this, images, QStringLiteral("startCountCommand"),
                                         QStringLiteral("开始统计"), 21, QPoint(490, 20));
  stopCountCommand = createCommandLabel(this, images, QStringLiteral("stopCountCommand"),
                                        QStringLiteral("终止统计"), 18, QPoint(490, 20));
  stopCountCommand->hide();

  countStatusLabel = new QLabel(this);
  countStatusLabel->setObjectName(QStringLiteral("countStatusLabel"));
  countStatusLabel->setGeometry(12, 128, 433, 16);

  folderSizeList = createListView(this, QStringLiteral("folderSizeList"),
                                  {{QStringLiteral("文件夹"), 200},
                                   {QStringLiteral("子目录"), 80},
                                   {QStringLiteral("文件"), 80},
                                   {QStringLiteral("大小及所占磁盘总容量百分比"), 200}},
                                  true);
  folderSizeList->setGeometry(12, 150, 598, 205);
}

std::vector<int> StatsPage::checkedDriveNumbers() const {
  std::vector<int> drives;
  for (int i = 0; i < countPartitionList->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = countPartitionList->topLevelItem(i);
    if (row->checkState(0) == Qt::Checked) drives.push_back(row->data(0, Qt::UserRole).toInt());
  }
  return drives;
}

void StatsPage::showCounting(bool counting) {
  if (counting) stopCountCommand->move(startCountCommand->pos());
  startCountCommand->setVisible(!counting);
  stopCountCommand->setVisible(counting);
}

void StatsPage::showStatus(const QString& text) {
  countStatusLabel->setText(QFontMetrics(countStatusLabel->font())
                                .elidedText(text, Qt::ElideMiddle, countStatusLabel->width()));
}

void StatsPage::clearFolderRows() { folderSizeList->clear(); }

void StatsPage::addFolderRow(const QString& folder, std::int64_t subfolders, std::int64_t files,
                             const QString& sizeText) {
  auto* row = new QTreeWidgetItem(
      folderSizeList, {folder, QString::number(subfolders), QString::number(files), sizeText});
  row->setIcon(kFolderColumn, images_.icon(kFolderIcon));
}

}  // namespace norvane
