#include "gui/cleaning/restart_page.h"

#include <QTreeWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/list_views.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

RestartPage::RestartPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("RestartPage"));
  setWindowTitle(QStringLiteral("重启删除"));
  ReStar = createListView(this, QStringLiteral("ReStar"), {{QStringLiteral("文件"), 420}}, false);
  // The selection stays visible when the list loses the focus.
  QPalette pal = ReStar->palette();
  pal.setColor(QPalette::Inactive, QPalette::Highlight,
               pal.color(QPalette::Active, QPalette::Highlight));
  pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
               pal.color(QPalette::Active, QPalette::HighlightedText));
  ReStar->setPalette(pal);
  ReStar->setGeometry(0, 0, kInfoPageWidth, kInfoListHeight);

  ActLabel21 = createCommandLabel(this, images, QStringLiteral("ActLabel21"),
                                  QStringLiteral("添加文件"), 13, QPoint(2, kInfoCommandY));
  ActLabel22 = createCommandLabel(this, images, QStringLiteral("ActLabel22"),
                                  QStringLiteral("取消"), 14, QPoint(92, kInfoCommandY));
  ActLabel20 = createCommandLabel(this, images, QStringLiteral("ActLabel20"),
                                  QStringLiteral("重启删除"), 16, QPoint(158, kInfoCommandY));
  ActLabel24 = createBackLabel(this, images, QStringLiteral("ActLabel24"));
}

}  // namespace norvane
