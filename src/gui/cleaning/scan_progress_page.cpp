#include "gui/cleaning/scan_progress_page.h"

#include <QLabel>

#include "gui/cleaning/search_animation.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

ScanProgressPage::ScanProgressPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("progressPage"));
  setWindowTitle(QStringLiteral("扫描结果"));

  searchAnimation = new SearchAnimation(images, this);
  searchAnimation->setObjectName(QStringLiteral("searchAnimation"));
  searchAnimation->setGeometry(14, 12, 64, 56);
  searchAnimation->hide();

  scanStatusLabel = new QLabel(QStringLiteral("正在扫描："), this);
  scanStatusLabel->setObjectName(QStringLiteral("scanStatusLabel"));
  scanStatusLabel->setGeometry(96, 14, 441, 16);

  auto counter = [&](const char* objectName, const QString& caption, int icon, int y) {
    auto* label = new ActionLabel(caption, this);
    label->setObjectName(QString::fromLatin1(objectName));
    if (icon >= 0) label->setImage(&images, icon);
    label->move(96, y);
    return label;
  };
  scannedFoldersLabel = counter("scannedFoldersLabel", QStringLiteral("文件夹："), 6, 44);
  foundFilesLabel = counter("foundFilesLabel", QStringLiteral("文  件："), 12, 68);
  foundSizeLabel = counter("foundSizeLabel", QStringLiteral("大  小："), 20, 92);

  stopScanCommand = createCommandLabel(this, images, QStringLiteral("stopScanCommand"),
                                       QStringLiteral("停止扫描"), 9, QPoint(2, kInfoCommandY));
  openFileListCommand =
      createCommandLabel(this, images, QStringLiteral("openFileListCommand"),
                         QStringLiteral("打开文件列表"), 11, QPoint(92, kInfoCommandY));
  scanBackCommand = createBackLabel(this, images, QStringLiteral("scanBackCommand"));
  // Stop and back are switched off in turn while a scan runs: show which one is off.
  for (ActionLabel* label : {stopScanCommand, scanBackCommand}) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
    label->setPalette(pal);
  }
}

}  // namespace norvane
