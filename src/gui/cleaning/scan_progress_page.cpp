#include "gui/cleaning/scan_progress_page.h"

#include <QLabel>

#include "gui/widgets/action_label.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/page_commands.h"
#include "gui/cleaning/search_animation.h"

namespace norvane {

ScanProgressPage::ScanProgressPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ScanProgressPage"));
  setWindowTitle(QStringLiteral("扫描结果"));

  Animate1 = new SearchAnimation(images, this);
  Animate1->setObjectName(QStringLiteral("Animate1"));
  Animate1->setGeometry(14, 12, 64, 56);
  Animate1->hide();

  Label4 = new QLabel(QStringLiteral("正在扫描："), this);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->setGeometry(96, 14, 441, 16);

  auto counter = [&](const char* objectName, const QString& caption, int icon, int y) {
    auto* label = new ActionLabel(caption, this);
    label->setObjectName(QString::fromLatin1(objectName));
    if (icon >= 0) label->setImage(&images, icon);
    label->move(96, y);
    return label;
  };
  ActLabel25 = counter("ActLabel25", QStringLiteral("文件夹："), 6, 44);
  ActLabel26 = counter("ActLabel26", QStringLiteral("文  件："), 12, 68);
  ActLabel27 = counter("ActLabel27", QStringLiteral("大  小："), 20, 92);

  ActLabel29 = createCommandLabel(this, images, QStringLiteral("ActLabel29"),
                                  QStringLiteral("停止扫描"), 9, QPoint(2, kInfoCommandY));
  ActLabel31 = createCommandLabel(this, images, QStringLiteral("ActLabel31"),
                                  QStringLiteral("打开文件列表"), 11, QPoint(92, kInfoCommandY));
  ActLabel30 = createBackLabel(this, images, QStringLiteral("ActLabel30"));
  // Stop and back are switched off in turn while a scan runs: show which one is off.
  for (ActionLabel* label : {ActLabel29, ActLabel30}) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
    label->setPalette(pal);
  }
}

}  // namespace norvane
