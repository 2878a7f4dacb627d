#include "gui/shell/start_page.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QStackedWidget>

#include "gui/cleaning/restart_page.h"
#include "gui/cleaning/scan_progress_page.h"
#include "gui/cleaning/scan_target_page.h"
#include "gui/shell/disk_panel.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/page_commands.h"
#include "gui/widgets/skin.h"

namespace norvane {

namespace {

struct Shortcut {
  const char* name;  // object names: <name>Shortcut, <name>Picture, <name>StartCommand
  const char* caption;
  const char* hint;
  const char* startCaption;
  int picture;
};

const Shortcut kShortcuts[4] = {
    {"myComputer", "我的电脑", "清理硬盘所有分区", "开始扫描", 7},
    {"tempFolders", "临时文件夹", "清理系统临时文件", "开始扫描", 12},
    {"commonFolders", "常用文件夹", "清理程序文件夹", "开始扫描", 6},
    {"restartDelete", "重启删除", "重新启动删除文件", "添加文件", 16},
};

const QRect kShortcutBox(8, 6, 466, 170);
const QRect kDescriptionBox(482, 6, 132, 170);

// The picture under the description text: a green panel with the product mark at its foot.
QPixmap drawDescriptionPicture(QSize size) {
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
  setObjectName(QStringLiteral("startPage"));
  setWindowTitle(QStringLiteral("磁盘文件"));
  buildShortcutBox(images);
  buildDescriptionBox(images);

  infoPageHeading = new QLabel(QStringLiteral("硬盘信息"), this);
  infoPageHeading->setObjectName(QStringLiteral("infoPageHeading"));
  infoPageHeading->setFont(Skin::uiFont(12, true));
  setColour(infoPageHeading, Skin::textGreen());
  infoPageHeading->setGeometry(20, 182, 200, 16);

  infoPages = new QStackedWidget(this);
  infoPages->setObjectName(QStringLiteral("infoPages"));
  infoPages->setGeometry(20, 201, kInfoPageWidth, kInfoPageHeight);

  diskPanel = new DiskPanel(platform, std::move(prompts), images, infoPages);
  diskPanel->setWindowTitle(QStringLiteral("硬盘信息"));
  partitionPage = ScanTargetPage::createPartitionPage(images, infoPages);
  tempFolderPage = ScanTargetPage::createTempFolderPage(images, infoPages);
  commonFolderPage = ScanTargetPage::createCommonFolderPage(images, infoPages);
  restartPage = new RestartPage(images, infoPages);
  progressPage = new ScanProgressPage(images, infoPages);
  for (QWidget* page :
       {static_cast<QWidget*>(diskPanel), static_cast<QWidget*>(partitionPage),
        static_cast<QWidget*>(tempFolderPage), static_cast<QWidget*>(commonFolderPage),
        static_cast<QWidget*>(restartPage), static_cast<QWidget*>(progressPage)})
    infoPages->addWidget(page);
  infoPages->setCurrentIndex(kDiskInfo);
}

QString StartPage::infoPageCaption(int index) const {
  QWidget* page = infoPages->widget(index);
  return page != nullptr ? page->windowTitle() : QString();
}

ActionLabel* StartPage::firstCommandOf(int index) const {
  switch (index) {
    case kMyComputer:
      return partitionPage->scanCommand;
    case kTempFolders:
      return tempFolderPage->scanCommand;
    case kCommonFolders:
      return commonFolderPage->scanCommand;
    case kRestart:
      return restartPage->addFileCommand;
    default:
      return nullptr;
  }
}

void StartPage::buildShortcutBox(const ImageList& images) {
  auto* box = new QFrame(this);
  box->setObjectName(QStringLiteral("shortcutBox"));
  box->setGeometry(kShortcutBox);
  box->setStyleSheet(QStringLiteral(
      "#shortcutBox { background: #f4fbf2; border: 1px solid #b7dcae; border-radius: 6px; }"));
  shortcutBox = box;

  shortcutsHeading = new ActionLabel(QStringLiteral("快捷方式"), box);
  shortcutsHeading->setObjectName(QStringLiteral("shortcutsHeading"));
  shortcutsHeading->setImage(&images, 29);
  shortcutsHeading->setFont(Skin::uiFont(12, true));
  setColour(shortcutsHeading, Skin::textGreen());
  shortcutsHeading->move(10, 8);

  for (int i = 0; i < 4; ++i) {
    const Shortcut& s = kShortcuts[i];
    const int x = 16 + (i % 2) * 226;
    const int y = 40 + (i / 2) * 64;

    auto* picture = new QLabel(box);
    picture->setObjectName(QString::fromLatin1(s.name) + QStringLiteral("Picture"));
    picture->setPixmap(images.pixmap(s.picture, 32));
    picture->setGeometry(x, y, 32, 32);
    shortcutPictures[i] = picture;

    auto* shortcut = new ActionLabel(QString::fromUtf8(s.caption), box);
    shortcut->setObjectName(QString::fromLatin1(s.name) + QStringLiteral("Shortcut"));
    shortcut->setTag(i + 1);
    shortcut->setHint(QString::fromUtf8(s.hint));
    setColour(shortcut, QColor(20, 60, 20));
    shortcut->move(x + 40, y + 8);
    shortcuts[i] = shortcut;

    ActionLabel* start = createCommandLabel(
        box, images, QString::fromLatin1(s.name) + QStringLiteral("StartCommand"),
        QString::fromUtf8(s.startCaption), i == 3 ? 13 : 8, QPoint(x + 120, y + 8));
    start->setTag(i + 1);
    startCommands[i] = start;
  }
}

void StartPage::buildDescriptionBox(const ImageList&) {
  descriptionPicture = new QLabel(this);
  descriptionPicture->setObjectName(QStringLiteral("descriptionPicture"));
  descriptionPicture->setGeometry(kDescriptionBox);
  descriptionPicture->setPixmap(drawDescriptionPicture(kDescriptionBox.size()));

  descriptionLabel = new QLabel(kMainWindowCaption, this);
  descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
  descriptionLabel->setWordWrap(true);
  descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  descriptionLabel->setFont(Skin::uiFont(12, true));
  setColour(descriptionLabel, Qt::white);
  descriptionLabel->setGeometry(kDescriptionBox.x() + 14, kDescriptionBox.y() + 16, 104, 96);
}

}  // namespace norvane
