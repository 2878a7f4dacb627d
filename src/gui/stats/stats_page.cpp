#include "gui/stats/stats_page.h"

#include <QLabel>
#include <QTreeWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/list_views.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

StatsPage::StatsPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
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

}  // namespace norvane
