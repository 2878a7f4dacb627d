#include "gui/uninstall/uninstall_page.h"

#include <QLabel>
#include <QListWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

UninstallPage::UninstallPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("uninstallPage"));
  setWindowTitle(QStringLiteral("软件卸载"));

  programList = new QListWidget(this);
  programList->setObjectName(QStringLiteral("programList"));
  programList->setGeometry(listGeometry());
  QPalette tips = programList->palette();
  tips.setColor(QPalette::Base, tips.color(QPalette::ToolTipBase));
  programList->setPalette(tips);

  uninstallCommand = createCommandLabel(this, images, QStringLiteral("uninstallCommand"),
                                        QStringLiteral("卸载"), 24, QPoint(12, 336));
  deleteUninstallInfoCommand =
      createCommandLabel(this, images, QStringLiteral("deleteUninstallInfoCommand"),
                         QStringLiteral("删除卸载信息"), 23, QPoint(84, 336));

  uninstallWarningLabel =
      new QLabel(QStringLiteral("请在软件无法卸载的情况下再删除卸载信息"), this);
  uninstallWarningLabel->setObjectName(QStringLiteral("uninstallWarningLabel"));
  QPalette red = uninstallWarningLabel->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  uninstallWarningLabel->setPalette(red);
  uninstallWarningLabel->move(230, 338);
  uninstallWarningLabel->adjustSize();
}

}  // namespace norvane
