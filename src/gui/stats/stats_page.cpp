#include "gui/stats/stats_page.h"

#include <QLabel>
#include <QTreeWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/list_views.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

StatsPage::StatsPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("StatsPage"));
  setWindowTitle(QStringLiteral("目录统计"));

  HDlist1 = createListView(this, QStringLiteral("HDlist1"),
                           {{QStringLiteral("分区"), 130},
                            {QStringLiteral("空间总计"), 130},
                            {QStringLiteral("可用空间"), 170}},
                           false);
  HDlist1->setGeometry(12, 12, 460, 108);

  ActLabel28 = createCommandLabel(this, images, QStringLiteral("ActLabel28"),
                                  QStringLiteral("开始统计"), 21, QPoint(490, 20));
  ActLabel32 = createCommandLabel(this, images, QStringLiteral("ActLabel32"),
                                  QStringLiteral("终止统计"), 18, QPoint(490, 20));
  ActLabel32->hide();

  Label5 = new QLabel(this);
  Label5->setObjectName(QStringLiteral("Label5"));
  Label5->setGeometry(12, 128, 433, 16);

  DirInfo = createListView(this, QStringLiteral("DirInfo"),
                           {{QStringLiteral("文件夹"), 200},
                            {QStringLiteral("子目录"), 80},
                            {QStringLiteral("文件"), 80},
                            {QStringLiteral("大小及所占磁盘总容量百分比"), 200}},
                           true);
  DirInfo->setGeometry(12, 150, 598, 205);
}

}  // namespace norvane
