#include "gui/uninstall/uninstall_page.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

#include "gui/widgets/action_label.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

UninstallPage::UninstallPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("uninstallPage"));
  setWindowTitle(QStringLiteral("软件卸载"));

  programList = new QListWidget(this);
  programList->setObjectName(QStringLiteral("programList"));
  programList->setGeometry(listGeometry());
  programList->setSelectionMode(QAbstractItemView::SingleSelection);
  programList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  programList->setUniformItemSizes(true);
  programList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  programList->setTextElideMode(Qt::ElideRight);
  QPalette tips = programList->palette();
  tips.setColor(QPalette::Base, tips.color(QPalette::ToolTipBase));
  programList->setPalette(tips);
  connect(programList, &QListWidget::currentRowChanged, this, &UninstallPage::programSelected);

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

int UninstallPage::rowHeight() const {
  // 12 pixels fit 宋体; the CJK fonts that stand in for it on Linux are taller and would be
  // cut off.
  return std::max(kDesignedRowHeight, QFontMetrics(programList->font()).height());
}

void UninstallPage::showPrograms(const std::vector<std::string>& names, int selected) {
  const QSignalBlocker quiet(programList);
  programList->clear();
  const QSize rowSize(0, rowHeight());
  for (const std::string& name : names) {
    auto* row = new QListWidgetItem(QString::fromStdString(name), programList);
    row->setSizeHint(rowSize);
  }
  programList->setCurrentRow(selected);
}

void UninstallPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  emit firstShown();
}

}  // namespace norvane
