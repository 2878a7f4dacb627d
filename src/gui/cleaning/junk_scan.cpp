#include "gui/cleaning/junk_scan.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QWidget>

#include "core/cleaning/junk_criteria.h"
#include "core/shared/size_text.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/cleaning/found_file_model.h"
#include "gui/cleaning/scan_progress_page.h"
#include "gui/cleaning/scan_target_lists.h"
#include "gui/cleaning/search_animation.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/prompts.h"

namespace norvane {

JunkScan::JunkScan(ScanTargetLists& targets, ScanProgressPage& page, FileListDialog& fileList,
                   Platform platform, std::shared_ptr<Prompts> prompts, QWidget& window,
                   std::function<CleaningSettings()> settings)
    : QObject(&window),
      junkSearch(nullptr, &eventLoop_),
      targets_(targets),
      page_(page),
      fileList_(fileList),
      platform_(std::move(platform)),
      prompts_(std::move(prompts)),
      window_(window),
      settings_(std::move(settings)) {
  setObjectName(QStringLiteral("junkScan"));
  junkSearch.SetPackageDatabase(platform_.packageDatabase);
  junkSearch.SetReadAhead(ReadAheadOptions::defaults());
  junkSearch.OnSearchBegin = [this](FindFile* s) { searchBegan(s); };
  junkSearch.OnFolderChange = [this](FindFile* s, const std::string& folder, FolderIgnore& ignore) {
    folderEntered(s, folder, ignore);
  };
  junkSearch.OnFileMatch = [this](FindFile* s, const std::string& folder, const SearchRecord& rec) {
    fileMatched(s, folder, rec);
  };
  junkSearch.OnSearchAbort = [this](FindFile* s) { searchAborted(s); };
  junkSearch.OnSearchFinish = [this](FindFile* s) { searchFinished(s); };
  window.installEventFilter(this);
}

JunkScan::~JunkScan() = default;

void JunkScan::setTargets(const std::vector<std::string>& folders) {
  // As a list: each folder is taken whole, whatever characters its name has.
  junkSearch.Criteria().Files().SetLocation("");
  junkSearch.Criteria().Files().SetLocations(folders);
}

void JunkScan::start() {
  emit scanStarting();
  junkSearch.Execute();
}

void JunkScan::scanPartitions() {
  setTargets(targets_.checkedPartitionRoots());
  applySettings();
  start();
}

void JunkScan::scanTempFolders() {
  setTargets(targets_.checkedTempFolders());
  applySettings();
  applyTempFolderRules(junkSearch.Criteria());
  start();
}

void JunkScan::scanCommonFolders() {
  setTargets(targets_.checkedCommonFolders());
  applySettings();
  start();
}

void JunkScan::stopScan() { junkSearch.Abort(); }

void JunkScan::showFileList() {
  if (!fileList_.isVisible()) {
    fileList_.show();
    return;
  }
  // Already open, perhaps behind the main window.
  fileList_.raise();
  fileList_.activateWindow();
}

void JunkScan::applySettings() {
  const CleaningSettings settings = settings_ ? settings_() : defaultCleaningSettings();
  applyJunkSettings(settings, *platform_.shellFolders, junkSearch.Criteria());
}

void JunkScan::searchBegan(FindFile*) {
  page_.searchAnimation->show();
  page_.searchAnimation->play();
  scannedFolderCount = 0;
  foundFileCount = 0;
  foundTotalSize = 0;
  page_.scanBackCommand->setEnabled(false);
  page_.stopScanCommand->setEnabled(true);
  fileList_.model().clear();
  scanStartTick = platform_.system->tickCount();
  shownFolder_.clear();
  foldersChanged_ = filesChanged_ = false;
  closing_ = false;
  slice_.restart();
}

void JunkScan::folderEntered(FindFile* sender, const std::string& folder, FolderIgnore& ignore) {
  // Read afresh each time: a start command during the scan may have rewritten the list.
  if (isExcludedFolder(sender->Criteria().Files().Excluded(), folder)) {
    ignore = fiThisAndSubfolders;
    return;
  }
  shownFolder_ = folder;
  ++scannedFolderCount;
  foldersChanged_ = true;
  if (!sender->Threaded()) letInterfaceRun();
}

void JunkScan::fileMatched(FindFile* sender, const std::string& folder,
                           const SearchRecord& fileInfo) {
  foundTotalSize += fileInfo.Size;
  ++foundFileCount;
  filesChanged_ = true;
  fileList_.model().append(folder, fileInfo.Name, fileInfo.Size, fileInfo.Time,
                           fileInfo.FolderIdentity, fileInfo.Identity);
  if (!sender->Threaded()) letInterfaceRun();
}

void JunkScan::searchAborted(FindFile*) {
  writeProgressTexts();
  page_.scanStatusLabel->setText(QStringLiteral("用户终止"));
}

void JunkScan::searchFinished(FindFile*) {
  writeProgressTexts();
  fileList_.model().publishPending();
  page_.searchAnimation->stop();
  page_.searchAnimation->hide();
  page_.scanBackCommand->setEnabled(true);
  page_.stopScanCommand->setEnabled(false);

  // Unsigned 32-bit difference: a wrap of the tick counter still gives the duration.
  const std::uint32_t elapsed = platform_.system->tickCount() - scanStartTick;
  QString seconds = QString::number(elapsed / 1000.0, 'f', 3);
  seconds.replace(u'.', QLocale().decimalPoint());
  page_.scanStatusLabel->setText(QStringLiteral("扫描已完成……（用时：%1 秒）").arg(seconds));

  // The window has closed: the program is ending, nobody is there to answer.
  if (closing_) return;
  const PromptAnswer answer =
      prompts_->messageBox(&window_, QStringLiteral("文件扫描已结束,您是否现在就打开文件列表?"),
                           QStringLiteral("询问"), PromptIcon::Question, PromptButtons::YesNo);
  if (answer == PromptAnswer::Yes) showFileList();
}

void JunkScan::letInterfaceRun() {
  if (!slice_.due()) return;
  writeProgressTexts();
  fileList_.model().publishPending();
  QCoreApplication::processEvents();
}

void JunkScan::writeProgressTexts() {
  if (!shownFolder_.empty()) {
    const QString folder =
        QString::fromUtf8(shownFolder_.data(), static_cast<qsizetype>(shownFolder_.size()));
    QLabel* status = page_.scanStatusLabel;
    status->setText(
        QFontMetrics(status->font()).elidedText(folder, Qt::ElideMiddle, status->width()));
    shownFolder_.clear();
  }
  if (foldersChanged_) {
    page_.scannedFoldersLabel->setText(QStringLiteral("已扫描文件夹：%1").arg(scannedFolderCount));
    foldersChanged_ = false;
  }
  if (filesChanged_) {
    page_.foundFilesLabel->setText(QStringLiteral("已搜索到文件：%1").arg(foundFileCount));
    page_.foundSizeLabel->setText(QStringLiteral("总计大小：") +
                                  QString::fromStdString(ConFileSize(foundTotalSize)));
    filesChanged_ = false;
  }
}

bool JunkScan::eventFilter(QObject* watched, QEvent* event) {
  // Closing the window ends the program: a scan running underneath must stop, not go on
  // unseen until it is done.
  if (watched == &window_ && event->type() == QEvent::Close && junkSearch.Busy()) {
    closing_ = true;
    junkSearch.Abort();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace norvane
