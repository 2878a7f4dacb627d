#include "gui/uninstall/uninstall_page.h"

#include <QLabel>
#include <QListWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

UninstallPage::UninstallPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("UninstallPage"));
  setWindowTitle(QStringLiteral("软件卸载"));

  UnList = new QListWidget(this);
  UnList->setObjectName(QStringLiteral("UnList"));
  UnList->setGeometry(listGeometry());
  QPalette tips = UnList->palette();
  tips.setColor(QPalette::Base, tips.color(QPalette::ToolTipBase));
  UnList->setPalette(tips);

  ActLabel33 = createCommandLabel(this, images, QStringLiteral("ActLabel33"),
                                  QStringLiteral("卸载"), 24, QPoint(12, 336));
  ActLabel34 = createCommandLabel(this, images, QStringLiteral("ActLabel34"),
                                  QStringLiteral("删除卸载信息"), 23, QPoint(84, 336));

  Label6 = new QLabel(QStringLiteral("请在软件无法卸载的情况下再删除卸载信息"), this);
  Label6->setObjectName(QStringLiteral("Label6"));
  QPalette red = Label6->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  Label6->setPalette(red);
  Label6->move(230, 338);
  Label6->adjustSize();
}

}  // namespace norvane
