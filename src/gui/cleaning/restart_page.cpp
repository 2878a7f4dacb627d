#include "gui/cleaning/restart_page.h"

#include <QTreeWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/list_views.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

RestartPage::RestartPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("restartPage"));
  setWindowTitle(QStringLiteral("重启删除"));
  restartQueueList = createListView(this, QStringLiteral("restartQueueList"),
                                    {{QStringLiteral("文件"), 420}}, false);
  // The selection stays visible when the list loses the focus.
  QPalette pal = restartQueueList->palette();
  pal.setColor(QPalette::Inactive, QPalette::Highlight,
               pal.color(QPalette::Active, QPalette::Highlight));
  pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
               pal.color(QPalette::Active, QPalette::HighlightedText));
  restartQueueList->setPalette(pal);
  restartQueueList->setGeometry(0, 0, kInfoPageWidth, kInfoListHeight);

  addFileCommand = createCommandLabel(this, images, QStringLiteral("addFileCommand"),
                                      QStringLiteral("添加文件"), 13, QPoint(2, kInfoCommandY));
  removeFileCommand = createCommandLabel(this, images, QStringLiteral("removeFileCommand"),
                                         QStringLiteral("取消"), 14, QPoint(92, kInfoCommandY));
  deleteAtRestartCommand =
      createCommandLabel(this, images, QStringLiteral("deleteAtRestartCommand"),
                         QStringLiteral("重启删除"), 16, QPoint(158, kInfoCommandY));
  restartBackCommand = createBackLabel(this, images, QStringLiteral("restartBackCommand"));
}

}  // namespace norvane
