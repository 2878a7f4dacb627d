#include "gui/shell/start_page.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QStackedWidget>

#include "gui/widgets/action_label.h"
#include "gui/shell/disk_panel.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/page_commands.h"
#include "gui/widgets/skin.h"
#include "gui/cleaning/restart_page.h"
#include "gui/cleaning/scan_progress_page.h"
#include "gui/cleaning/scan_target_page.h"

namespace norvane {

namespace {

struct Shortcut {
  const char* caption;
  const char* hint;
  const char* startCaption;
  int picture;
};

const Shortcut kShortcuts[4] = {
    {"我的电脑", "清理硬盘所有分区", "开始扫描", 7},
    {"临时文件夹", "清理系统临时文件", "开始扫描", 12},
    {"常用文件夹", "清理程序文件夹", "开始扫描", 6},
    {"重启删除", "重新启动删除文件", "添加文件", 16},
};

const QRect kShortcutBox(8, 6, 466, 170);
const QRect kDescriptionBox(482, 6, 132, 170);

// The picture under the description text: a green panel with the product mark at its foot.
QPixmap descriptionPicture(QSize size) {
  QPixmap pm(size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, size.height());
  g.setColorAt(0, QColor(70, 170, 50));
  g.setColorAt(1, QColor(20, 110, 12));
  p.setPen(QPen(QColor(14, 80, 8), 1));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 8, 8);
  p.setOpacity(0.9);
  p.drawPixmap(size.width() - 52, size.height() - 52, Skin::programIcon(44));
  return pm;
}

void setColour(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, colour);
  w->setPalette(pal);
}

}  // namespace

StartPage::StartPage(const Platform& platform, std::shared_ptr<Prompts> prompts,
                     const ImageList& images, QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("StartPage"));
  setWindowTitle(QStringLiteral("磁盘文件"));
  buildShortcutBox(images);
  buildDescriptionBox(images);

  Label2 = new QLabel(QStringLiteral("硬盘信息"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(Skin::uiFont(12, true));
  setColour(Label2, Skin::textGreen());
  Label2->setGeometry(20, 182, 200, 16);

  InfoNote = new QStackedWidget(this);
  InfoNote->setObjectName(QStringLiteral("InfoNote"));
  InfoNote->setGeometry(20, 201, kInfoPageWidth, kInfoPageHeight);

  diskPanel = new DiskPanel(platform, std::move(prompts), images, InfoNote);
  diskPanel->setWindowTitle(QStringLiteral("硬盘信息"));
  partitionPage = ScanTargetPage::createPartitionPage(images, InfoNote);
  tempFolderPage = ScanTargetPage::createTempFolderPage(images, InfoNote);
  commonFolderPage = ScanTargetPage::createCommonFolderPage(images, InfoNote);
  restartPage = new RestartPage(images, InfoNote);
  progressPage = new ScanProgressPage(images, InfoNote);
  for (QWidget* page :
       {static_cast<QWidget*>(diskPanel), static_cast<QWidget*>(partitionPage),
        static_cast<QWidget*>(tempFolderPage), static_cast<QWidget*>(commonFolderPage),
        static_cast<QWidget*>(restartPage), static_cast<QWidget*>(progressPage)})
    InfoNote->addWidget(page);
  InfoNote->setCurrentIndex(kDiskInfo);
}

QString StartPage::infoPageCaption(int index) const {
  QWidget* page = InfoNote->widget(index);
  return page != nullptr ? page->windowTitle() : QString();
}

void StartPage::buildShortcutBox(const ImageList& images) {
  auto* box = new QFrame(this);
  box->setObjectName(QStringLiteral("ShortcutBox"));
  box->setGeometry(kShortcutBox);
  box->setStyleSheet(QStringLiteral(
      "#ShortcutBox { background: #f4fbf2; border: 1px solid #b7dcae; border-radius: 6px; }"));
  ShortcutBox = box;

  ActLabel1 = new ActionLabel(QStringLiteral("快捷方式"), box);
  ActLabel1->setObjectName(QStringLiteral("ActLabel1"));
  ActLabel1->setImage(&images, 29);
  ActLabel1->setFont(Skin::uiFont(12, true));
  setColour(ActLabel1, Skin::textGreen());
  ActLabel1->move(10, 8);

  for (int i = 0; i < 4; ++i) {
    const Shortcut& s = kShortcuts[i];
    const int x = 16 + (i % 2) * 226;
    const int y = 40 + (i / 2) * 64;

    auto* picture = new QLabel(box);
    picture->setObjectName(QStringLiteral("ShortcutPicture%1").arg(i + 1));
    picture->setPixmap(images.pixmap(s.picture, 32));
    picture->setGeometry(x, y, 32, 32);
    shortcutPictures[i] = picture;

    auto* shortcut = new ActionLabel(QString::fromUtf8(s.caption), box);
    shortcut->setObjectName(QStringLiteral("ActLabel%1").arg(2 + i));
    shortcut->setTag(i + 1);
    shortcut->setHint(QString::fromUtf8(s.hint));
    setColour(shortcut, QColor(20, 60, 20));
    shortcut->move(x + 40, y + 8);
    shortcuts[i] = shortcut;

    ActionLabel* start = createCommandLabel(box, images, QStringLiteral("ActLabel%1").arg(35 + i),
                                            QString::fromUtf8(s.startCaption), i == 3 ? 13 : 8,
                                            QPoint(x + 120, y + 8));
    start->setTag(i + 1);
    startLabels[i] = start;
  }
}

void StartPage::buildDescriptionBox(const ImageList&) {
  Image4 = new QLabel(this);
  Image4->setObjectName(QStringLiteral("Image4"));
  Image4->setGeometry(kDescriptionBox);
  Image4->setPixmap(descriptionPicture(kDescriptionBox.size()));

  Label7 = new QLabel(kMainWindowCaption, this);
  Label7->setObjectName(QStringLiteral("Label7"));
  Label7->setWordWrap(true);
  Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label7->setFont(Skin::uiFont(12, true));
  setColour(Label7, Qt::white);
  Label7->setGeometry(kDescriptionBox.x() + 14, kDescriptionBox.y() + 16, 104, 96);
}

}  // namespace norvane
