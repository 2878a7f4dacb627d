#include "gui/shell/main_window.h"

#include <QDesktopServices>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "core/shared/size_text.h"
#include "gui/cleaning/cleaning_settings_dialog.h"
#include "gui/cleaning/junk_scan.h"
#include "gui/cleaning/restart_page.h"
#include "gui/cleaning/restart_queue_commands.h"
#include "gui/cleaning/scan_progress_page.h"
#include "gui/cleaning/scan_target_lists.h"
#include "gui/cleaning/scan_target_page.h"
#include "gui/shell/about_page.h"
#include "gui/shell/disk_panel.h"
#include "gui/widgets/maker.h"
#include "gui/shell/start_page.h"
#include "gui/stats/folder_statistics.h"
#include "gui/stats/stats_page.h"
#include "gui/uninstall/uninstall_commands.h"
#include "gui/uninstall/uninstall_page.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/drag_strip.h"
#include "gui/widgets/page_commands.h"
#include "gui/widgets/skin.h"
#include "gui/widgets/window_button.h"

namespace norvane {

namespace {

constexpr int kClientWidth = 663;
constexpr int kClientHeight = 528;
constexpr int kTrimIntervalMs = 5000;
constexpr int kLinkMargin = 8;

void setColour(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, colour);
  w->setPalette(pal);
}

}  // namespace

MainWindow::MainWindow(Platform platform, std::shared_ptr<Prompts> prompts, DesktopServices desktop,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      folderSearch(nullptr, &folderSearchLoop_),
      platform_(std::move(platform)),
      prompts_(std::move(prompts)),
      desktop_(std::move(desktop)),
      errorReport_(prompts_, this) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(kMainWindowCaption);
  setFixedSize(kClientWidth, kClientHeight);
  buildFrame();
  buildPages();
  wireHandlers();

  memoryTrimTimer = new QTimer(this);
  memoryTrimTimer->setObjectName(QStringLiteral("memoryTrimTimer"));
  memoryTrimTimer->setInterval(kTrimIntervalMs);
  connect(memoryTrimTimer, &QTimer::timeout, this,
          [this] { runCommand([this] { trimMemory(memoryTrimTimer); }); });

  if (QScreen* screen = this->screen()) {
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  runCommand([this] { finishStartUp(); });
}

// The command labels of the pages: they share the bold hover look and the description box.
const QStringList& MainWindow::pageCommandNames() {
  static const QStringList names = {
      "myComputerShortcut",
      "tempFoldersShortcut",
      "commonFoldersShortcut",
      "restartDeleteShortcut",
      "myComputerStartCommand",
      "tempFoldersStartCommand",
      "commonFoldersStartCommand",
      "restartDeleteStartCommand",
      "emptyRecycleBinCommand",
      "scanPartitionsCommand",
      "partitionSettingsCommand",
      "partitionFileTypesCommand",
      "partitionBackCommand",
      "scanTempFoldersCommand",
      "tempFolderSettingsCommand",
      "tempFolderFileTypesCommand",
      "tempFolderBackCommand",
      "scanCommonFoldersCommand",
      "commonFolderSettingsCommand",
      "commonFolderFileTypesCommand",
      "commonFolderBackCommand",
      "addFolderCommand",
      "addFileCommand",
      "removeFileCommand",
      "deleteAtRestartCommand",
      "restartBackCommand",
      "stopScanCommand",
      "openFileListCommand",
      "scanBackCommand",
      "startCountCommand",
      "stopCountCommand",
      "uninstallCommand",
      "deleteUninstallInfoCommand",
  };
  return names;
}

ActionLabel* MainWindow::functionButton(const char* name, const QString& caption, int tag, int icon,
                                        int x) {
  auto* button = new ActionLabel(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setTag(tag);
  button->setImage(&imageList, icon);
  button->setFont(Skin::uiFont(12, true));
  setColour(button, Skin::textGreen());
  button->move(x, 68);
  return button;
}

ActionLabel* MainWindow::bottomLink(const char* name, const QString& caption, int icon, int x) {
  ActionLabel* link = functionButton(name, caption, 0, icon, x);
  link->move(x, 503);
  return link;
}

void MainWindow::buildFrame() {
  backgroundImage = new QLabel(this);
  backgroundImage->setObjectName(QStringLiteral("backgroundImage"));
  backgroundImage->setGeometry(0, 0, kClientWidth, kClientHeight);
  backgroundImage->setScaledContents(true);
  backgroundImage->setPixmap(Skin::mainBackground(size()));

  dragStrip = new DragStrip(this);
  dragStrip->setObjectName(QStringLiteral("dragStrip"));
  dragStrip->setGeometry(8, 1, 662, 32);

  captionIcon = new QLabel(this);
  captionIcon->setObjectName(QStringLiteral("captionIcon"));
  captionIcon->setGeometry(5, 1, 32, 32);
  captionIcon->setAlignment(Qt::AlignCenter);
  captionIcon->setPixmap(Skin::programIcon(28));

  captionLabel = new QLabel(kCaptionLine, this);
  captionLabel->setObjectName(QStringLiteral("captionLabel"));
  captionLabel->setFont(Skin::uiFont(12, true));
  setColour(captionLabel, Skin::captionText());
  captionLabel->move(38, 13);
  captionLabel->adjustSize();

  minimiseButton =
      createWindowButton(this, QStringLiteral("minimiseButton"), WindowButtonKind::Minimise);
  minimiseButton->move(624, 10);
  closeButton = createWindowButton(this, QStringLiteral("closeButton"), WindowButtonKind::Close);
  closeButton->move(640, 10);

  fileCleaningButton = functionButton("fileCleaningButton", QStringLiteral("文件清理"), 0, 0, 341);
  folderStatsButton = functionButton("folderStatsButton", QStringLiteral("文件夹统计"), 1, 19, 421);
  uninstallButton = functionButton("uninstallButton", QStringLiteral("软件卸载"), 2, 2, 514);
  aboutButton = functionButton("aboutButton", QStringLiteral("关于"), 3, 15, 594);

  functionCaption = new ActionLabel(QStringLiteral("欢迎使用"), this);
  functionCaption->setObjectName(QStringLiteral("functionCaption"));
  functionCaption->setImage(&imageList, 3);
  functionCaption->setFont(Skin::uiFont(12, true));
  setColour(functionCaption, QColor(40, 80, 40));
  functionCaption->move(569, 103);

  copyrightLabel =
      new QLabel(QStringLiteral("Copyright © 2005-2024 Norvane软件工作室  保留所有权利"), this);
  copyrightLabel->setObjectName(QStringLiteral("copyrightLabel"));
  setColour(copyrightLabel, QColor(140, 140, 140));
  copyrightLabel->move(20, 505);
  copyrightLabel->adjustSize();

  onlineUpdateLink = bottomLink("onlineUpdateLink", QStringLiteral("在线更新"), 26, 441);
  onlineUpdateLink->setLinkTarget(kMakerWebSite);
  makerSiteLink = bottomLink("makerSiteLink", QStringLiteral("访问『Norvane软件』"), 25, 521);
  makerSiteLink->setLinkTarget(kMakerWebSite);
  // The fallback fonts set Latin text wider than 宋体; keep the link inside the frame.
  const int overhang = makerSiteLink->geometry().right() - (kClientWidth - kLinkMargin);
  if (overhang > 0) {
    makerSiteLink->move(makerSiteLink->x() - overhang, makerSiteLink->y());
    onlineUpdateLink->move(onlineUpdateLink->x() - overhang, onlineUpdateLink->y());
  }
}

void MainWindow::buildPages() {
  functionPages = new QStackedWidget(this);
  functionPages->setObjectName(QStringLiteral("functionPages"));
  functionPages->setGeometry(20, 125, 622, 367);
  functionPages->setAutoFillBackground(true);
  QPalette white = functionPages->palette();
  white.setColor(QPalette::Window, Qt::white);
  functionPages->setPalette(white);

  startPage = new StartPage(platform_, prompts_, imageList, functionPages);
  statsPage = new StatsPage(imageList, functionPages);
  uninstallPage = new UninstallPage(imageList, functionPages);
  aboutPage = new AboutPage(imageList, functionPages);
  functionPages->addWidget(startPage);
  functionPages->addWidget(statsPage);
  functionPages->addWidget(uninstallPage);
  functionPages->addWidget(aboutPage);
  // The design value: "关于". Set before the change handler is bound, so nothing runs.
  functionPages->setCurrentIndex(kAboutPage);

  infoPages = startPage->infoPages;
  infoPageHeading = startPage->infoPageHeading;
  descriptionLabel = startPage->descriptionLabel;
  diskPanel = startPage->diskPanel;

  scanTargetLists =
      new ScanTargetLists(*startPage->partitionPage, *startPage->tempFolderPage,
                          *startPage->commonFolderPage, platform_, *prompts_, imageList, this);
  restartQueueCommands =
      new RestartQueueCommands(*startPage->restartPage, platform_, *prompts_, *this);
  folderStatistics = new FolderStatistics(*statsPage, folderSearch, makeHostDirectoryReader(),
                                          platform_, prompts_, *this);
  uninstallCommands = new UninstallCommands(*uninstallPage, platform_, this);
}

JunkScan& MainWindow::createJunkScan(FileListDialog& fileList,
                                     std::function<CleaningSettings()> settings) {
  Q_ASSERT(junkScan == nullptr);
  junkScan = new JunkScan(*scanTargetLists, *startPage->progressPage, fileList, platform_, prompts_,
                          *this, std::move(settings));
  bindClick(startPage->partitionPage->scanCommand,
            [this](QObject*) { junkScan->scanPartitions(); });
  bindClick(startPage->tempFolderPage->scanCommand,
            [this](QObject*) { junkScan->scanTempFolders(); });
  bindClick(startPage->commonFolderPage->scanCommand,
            [this](QObject*) { junkScan->scanCommonFolders(); });
  bindClick(startPage->progressPage->stopScanCommand, [this](QObject*) { junkScan->stopScan(); });
  bindClick(startPage->progressPage->openFileListCommand,
            [this](QObject*) { junkScan->showFileList(); });
  connect(junkScan, &JunkScan::scanStarting, this,
          [this] { infoPages->setCurrentIndex(StartPage::kScanResult); });
  return *junkScan;
}

ActionLabel* MainWindow::label(const QString& name) const { return findChild<ActionLabel*>(name); }

void MainWindow::bindClick(ActionLabel* target, std::function<void(QObject*)> handler) {
  connect(target, &ActionLabel::clicked, this,
          [this, target, handler = std::move(handler)] { runCommand([&] { handler(target); }); });
}

void MainWindow::bindHover(const QString& name, void (MainWindow::*enter)(QObject*),
                           void (MainWindow::*leave)(QObject*)) {
  ActionLabel* target = label(name);
  Q_ASSERT(target != nullptr);
  if (target == nullptr) return;
  connect(target, &ActionLabel::mouseEntered, this,
          [this, target, enter] { runCommand([&] { (this->*enter)(target); }); });
  connect(target, &ActionLabel::mouseLeft, this,
          [this, target, leave] { runCommand([&] { (this->*leave)(target); }); });
}

void MainWindow::wireHandlers() {
  connect(dragStrip, &DragStrip::mouseDown, this,
          [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos) {
            runCommand([&] { startWindowMove(dragStrip, button, shift, pos); });
          });
  connect(closeButton, &QToolButton::clicked, this,
          [this] { runCommand([this] { closeWindow(closeButton); }); });
  connect(minimiseButton, &QToolButton::clicked, this,
          [this] { runCommand([this] { minimiseWindow(minimiseButton); }); });

  for (ActionLabel* button : {fileCleaningButton, folderStatsButton, uninstallButton, aboutButton})
    bindClick(button, [this](QObject* s) { showFunctionPage(s); });
  for (const char* name : {"fileCleaningButton", "folderStatsButton", "uninstallButton",
                           "aboutButton", "onlineUpdateLink", "makerSiteLink"})
    bindHover(QString::fromLatin1(name), &MainWindow::highlightFunctionButton,
              &MainWindow::unhighlightFunctionButton);

  for (const QString& name : pageCommandNames())
    bindHover(name, &MainWindow::highlightPageCommand, &MainWindow::unhighlightPageCommand);
  for (const char* name : {"webSiteLink", "mailLink", "shredderLink", "registryCleanerLink",
                           "startupManagerLink", "privacyLink"})
    bindHover(QString::fromLatin1(name), &MainWindow::highlightLink, &MainWindow::unhighlightLink);

  for (ActionLabel* shortcut : startPage->shortcuts)
    bindClick(shortcut, [this](QObject* s) { openInfoPage(s); });
  for (ActionLabel* start : startPage->startCommands)
    bindClick(start, [this](QObject* s) { runStartCommand(s); });
  for (ScanTargetPage* page :
       {startPage->partitionPage, startPage->tempFolderPage, startPage->commonFolderPage}) {
    bindClick(page->backCommand, [this](QObject* s) { showDiskInfo(s); });
    bindClick(page->settingsCommand, [this](QObject* s) { openOptionSettings(s); });
    bindClick(page->fileTypesCommand, [this](QObject* s) { openFileTypeSettings(s); });
  }
  bindClick(startPage->restartPage->restartBackCommand, [this](QObject* s) { showDiskInfo(s); });
  bindClick(startPage->progressPage->scanBackCommand, [this](QObject* s) { showDiskInfo(s); });

  bindClick(startPage->commonFolderPage->addFolderCommand,
            [this](QObject*) { scanTargetLists->addFolder(); });
  RestartPage* restart = startPage->restartPage;
  bindClick(restart->addFileCommand, [this](QObject*) { restartQueueCommands->addFile(); });
  bindClick(restart->removeFileCommand,
            [this](QObject*) { restartQueueCommands->removeSelectedFile(); });
  bindClick(restart->deleteAtRestartCommand,
            [this](QObject*) { restartQueueCommands->deleteAtRestart(); });

  bindClick(statsPage->startCountCommand, [this](QObject*) { folderStatistics->startCount(); });
  bindClick(statsPage->stopCountCommand, [this](QObject*) { folderStatistics->stopCount(); });
  bindClick(uninstallPage->uninstallCommand,
            [this](QObject*) { uninstallCommands->uninstallSelected(); });
  bindClick(uninstallPage->deleteUninstallInfoCommand,
            [this](QObject*) { uninstallCommands->deleteSelectedRegistration(); });

  bindClick(onlineUpdateLink, [this](QObject* s) { openUpdateWindow(s); });
  bindClick(diskPanel->recycleBinLabel, [this](QObject*) { showRecycleBin(); });
  bindClick(diskPanel->emptyRecycleBinCommand, [this](QObject* s) { emptyRecycleBinAndReport(s); });

  // Every label with a link target opens it through the same door.
  for (ActionLabel* link : findChildren<ActionLabel*>())
    if (!link->linkTarget().isEmpty())
      link->setLinkOpener([this](const QString& target) { openLink(target); });

  connect(functionPages, &QStackedWidget::currentChanged, this,
          [this] { runCommand([this] { functionPageChanged(functionPages); }); });
  connect(infoPages, &QStackedWidget::currentChanged, this,
          [this] { runCommand([this] { infoPageChanged(infoPages); }); });
}

void MainWindow::openLink(const QString& target) {
  if (desktop_.openLink)
    desktop_.openLink(target);
  else
    QDesktopServices::openUrl(QUrl(target));
}

void MainWindow::finishStartUp() {
  // functionPages already shows "关于" (its design value).
  Skin::installApplicationCursor();
  showDiskSpace();
  if (platform_.system->isNtFamily()) memoryTrimTimer->start();
}

void MainWindow::showFunctionPage(QObject* sender) {
  auto* button = qobject_cast<ActionLabel*>(sender);
  if (button == nullptr) return;
  functionCaption->setText(button->text());
  functionCaption->setImageIndex(button->imageIndex());
  functionPages->setCurrentIndex(button->tag());
}

void MainWindow::highlightFunctionButton(QObject* sender) { setLabelLook(sender, true, true); }

void MainWindow::unhighlightFunctionButton(QObject* sender) { setLabelLook(sender, true, false); }

void MainWindow::functionPageChanged(QObject*) {
  if (functionPages->currentIndex() == kStatsPage)
    scanTargetLists->fillPartitionList(statsPage->countPartitionList);
  const bool busy = junkScan != nullptr && junkScan->running();
  infoPages->setCurrentIndex(busy ? StartPage::kScanResult : StartPage::kDiskInfo);
}

void MainWindow::infoPageChanged(QObject*) {
  const int page = infoPages->currentIndex();
  switch (page) {
    case StartPage::kDiskInfo:
      showDiskSpace();
      break;
    // Entering a target page rebuilds its list with every row checked.
    case StartPage::kMyComputer:
      scanTargetLists->fillPartitionList(scanTargetLists->partitionList);
      break;
    case StartPage::kTempFolders:
      scanTargetLists->rebuildTempFolderList();
      break;
    case StartPage::kCommonFolders:
      scanTargetLists->rebuildCommonFolderList();
      break;
    default:
      break;
  }
  infoPageHeading->setText(startPage->infoPageCaption(page));
}

void MainWindow::openInfoPage(QObject* sender) {
  if (auto* shortcut = qobject_cast<ActionLabel*>(sender))
    infoPages->setCurrentIndex(shortcut->tag());
}

void MainWindow::runStartCommand(QObject* sender) {
  auto* start = qobject_cast<ActionLabel*>(sender);
  if (start == nullptr) return;
  // Entering the page rebuilds its list; then the page's own first command runs.
  infoPages->setCurrentIndex(start->tag());
  if (ActionLabel* command = startPage->firstCommandOf(start->tag())) command->click();
}

void MainWindow::showDiskInfo(QObject*) { infoPages->setCurrentIndex(StartPage::kDiskInfo); }

void MainWindow::openOptionSettings(QObject*) {
  emit settingsRequested(CleaningSettingsDialog::kOptionsPage);
}

void MainWindow::openFileTypeSettings(QObject*) {
  emit settingsRequested(CleaningSettingsDialog::kFileTypePage);
}

void MainWindow::highlightPageCommand(QObject* sender) {
  setLabelLook(sender, true, false);
  auto* hovered = qobject_cast<ActionLabel*>(sender);
  const QString hint = hovered != nullptr ? hovered->hint() : QString();
  descriptionLabel->setText(hint.isEmpty() ? kApplicationTitle : hint);
}

void MainWindow::unhighlightPageCommand(QObject* sender) { setLabelLook(sender, false, false); }

void MainWindow::highlightLink(QObject* sender) {
  auto* widget = qobject_cast<QWidget*>(sender);
  if (widget == nullptr) return;
  setLabelLook(sender, widget->font().bold(), true);
}

void MainWindow::unhighlightLink(QObject* sender) {
  auto* widget = qobject_cast<QWidget*>(sender);
  if (widget == nullptr) return;
  setLabelLook(sender, widget->font().bold(), false);
}

void MainWindow::startWindowMove(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
  if (desktop_.moveWindow)
    desktop_.moveWindow(this);
  else
    DragStrip::startSystemMove(this);
}

void MainWindow::closeWindow(QObject*) { close(); }

void MainWindow::minimiseWindow(QObject*) { showMinimized(); }

void MainWindow::trimMemory(QObject*) { platform_.system->trimWorkingSet(); }

void MainWindow::openUpdateWindow(QObject*) { emit updateRequested(); }

void MainWindow::emptyRecycleBinAndReport(QObject*) { diskPanel->emptyRecycleBinAndReport(); }

void MainWindow::showDiskSpace() { diskPanel->showDiskSpace(); }

void MainWindow::showRecycleBin() { diskPanel->showRecycleBin(); }

}  // namespace norvane
