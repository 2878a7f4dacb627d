#include "gui/cleaning/junk_scan.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QStackedWidget>
#include <QTreeWidget>

#include "core/shared/drive_helpers.h"
#include "core/shared/folder_functions.h"
#include "core/shared/size_text.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/cleaning/found_file_model.h"
#include "gui/cleaning/scan_progress_page.h"
#include "gui/cleaning/scan_target_page.h"
#include "gui/cleaning/search_animation.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_page.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/prompts.h"

namespace norvane {

namespace {}  // namespace

JunkScan::JunkScan(MainWindow& form, FileListDialog& fileList,
                   std::function<CleaningSettings()> settings)
    : QObject(&form),
      junkSearch(nullptr, &eventLoop_),
      form_(form),
      fileList_(fileList),
      page_(*form.startPage->progressPage),
      settings_(std::move(settings)) {
  setObjectName(QStringLiteral("JunkScan"));
  junkSearch.OnSearchBegin = [this](FindFile* s) { searchBegan(s); };
  junkSearch.OnFolderChange = [this](FindFile* s, const std::string& folder, FolderIgnore& ignore) {
    folderEntered(s, folder, ignore);
  };
  junkSearch.OnFileMatch = [this](FindFile* s, const std::string& folder, const SearchRecord& rec) {
    fileMatched(s, folder, rec);
  };
  junkSearch.OnSearchAbort = [this](FindFile* s) { searchAborted(s); };
  junkSearch.OnSearchFinish = [this](FindFile* s) { searchFinished(s); };

  form.hooks().scanRunning = [this] { return junkSearch.Busy(); };
  auto bind = [&](const char* name, void (JunkScan::*handler)(QObject*)) {
    auto* label = form.findChild<ActionLabel*>(QString::fromLatin1(name));
    Q_ASSERT(label != nullptr);
    if (label != nullptr)
      form.bindClick(label, [this, handler](QObject* s) { (this->*handler)(s); });
  };
  bind("scanPartitionsCommand", &JunkScan::scanPartitions);
  bind("scanTempFoldersCommand", &JunkScan::scanTempFolders);
  bind("scanCommonFoldersCommand", &JunkScan::scanCommonFolders);
  for (const char* name : {"myComputerStartCommand", "tempFoldersStartCommand",
                           "commonFoldersStartCommand", "restartDeleteStartCommand"})
    bind(name, &JunkScan::runStartCommand);
  bind("stopScanCommand", &JunkScan::stopScan);
  bind("openFileListCommand", &JunkScan::showFileList);
  form.installEventFilter(this);
}

JunkScan::~JunkScan() = default;

std::string JunkScan::checkedFolders(const QTreeWidget* list) {
  std::string location;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = list->topLevelItem(i);
    if (row->checkState(0) != Qt::Checked) continue;
    location += row->text(0).toUtf8().toStdString();
    location += ';';
  }
  return location;
}

void JunkScan::showProgressPage() { form_.infoPages->setCurrentIndex(StartPage::kScanResult); }

void JunkScan::scanPartitions(QObject*) {
  const QTreeWidget* list = form_.startPage->partitionPage->targetList;
  Volumes& volumes = *form_.platform().volumes;
  std::string location;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = list->topLevelItem(i);
    if (row->checkState(0) != Qt::Checked) continue;
    const char letter = static_cast<char>(row->data(0, Qt::UserRole).toInt() + 64);
    location += DriveRootPath(volumes, letter);
    location += ';';
  }
  junkSearch.Criteria().Files().SetLocation(location);
  applySettings();
  showProgressPage();
  junkSearch.Execute();
}

void JunkScan::scanTempFolders(QObject*) {
  junkSearch.Criteria().Files().SetLocation(
      checkedFolders(form_.startPage->tempFolderPage->targetList));
  applySettings();
  // Everything in these folders is junk, and none of them is skipped.
  junkSearch.Criteria().Files().Excluded().clear();
  junkSearch.Criteria().Files().SetFileName("*.*");
  showProgressPage();
  junkSearch.Execute();
}

void JunkScan::scanCommonFolders(QObject*) {
  junkSearch.Criteria().Files().SetLocation(
      checkedFolders(form_.startPage->commonFolderPage->targetList));
  applySettings();
  showProgressPage();
  junkSearch.Execute();
}

void JunkScan::runStartCommand(QObject* sender) {
  auto* label = qobject_cast<ActionLabel*>(sender);
  if (label == nullptr) return;
  // Entering the page rebuilds its list with every row checked.
  form_.infoPages->setCurrentIndex(label->tag());
  switch (label->tag()) {
    case StartPage::kMyComputer:
      scanPartitions(sender);
      break;
    case StartPage::kTempFolders:
      scanTempFolders(sender);
      break;
    case StartPage::kCommonFolders:
      scanCommonFolders(sender);
      break;
    case StartPage::kRestart:
      if (addRestartFile_) addRestartFile_();
      break;
    default:
      break;
  }
}

void JunkScan::stopScan(QObject*) { junkSearch.Abort(); }

void JunkScan::showFileList(QObject*) {
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
  SearchCriteria& criteria = junkSearch.Criteria();
  StringList& excluded = criteria.Files().Excluded();
  excluded.clear();
  criteria.AttributeEx().SetHidden(settings.options.scanHidden ? fsIgnore : fsUnset);
  criteria.AttributeEx().SetReadonly(settings.options.scanReadOnly ? fsIgnore : fsUnset);
  criteria.AttributeEx().SetSystem(settings.options.scanSystem ? fsIgnore : fsUnset);
  criteria.Size().SetMin(settings.options.scanEmpty ? 0 : 1);

  ShellFolders& folders = *form_.platform().shellFolders;
  auto exclude = [&excluded](std::string folder) {
    // A folder the system can't name would leave a lone separator, which as an exclusion
    // pattern matches every file: the scan would find nothing. Such a line is left out.
    if (folder.empty()) return;
    // The root folder already ends with the separator.
    if (folder.back() != kPathDelimiter) folder += kPathDelimiter;
    excluded.push_back(std::move(folder));
  };
  if (settings.options.skipTempFolder) exclude(LongTempFolderPath(folders));
  if (settings.options.skipBrowserFolders) {
    exclude(ShellFolderPath(folders, CSIDL_INTERNET_CACHE));
    exclude(ShellFolderPath(folders, CSIDL_COOKIES));
    exclude(ShellFolderPath(folders, CSIDL_HISTORY));
  }
  criteria.Files().SetFileName(joinScanMasks(settings.types));
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
  scanStartTick = form_.platform().system->tickCount();
  shownFolder_.clear();
  foldersChanged_ = filesChanged_ = false;
  closing_ = false;
  slice_.restart();
}

void JunkScan::folderEntered(FindFile* Sender, const std::string& Folder,
                             FolderIgnore& IgnoreFolder) {
  // Read afresh each time: a start command during the scan may have rewritten the list.
  // Folder names on this system differ by case, so the comparison is exact.
  for (const std::string& line : Sender->Criteria().Files().Excluded()) {
    if (line == Folder) {
      IgnoreFolder = fiThisAndSubfolders;
      return;
    }
  }
  shownFolder_ = Folder;
  ++scannedFolderCount;
  foldersChanged_ = true;
  if (!Sender->Threaded()) letInterfaceRun();
}

void JunkScan::fileMatched(FindFile* Sender, const std::string& Folder,
                           const SearchRecord& FileInfo) {
  foundTotalSize += FileInfo.Size;
  ++foundFileCount;
  filesChanged_ = true;
  fileList_.model().append(Folder, FileInfo.Name, FileInfo.Size, FileInfo.Time);
  if (!Sender->Threaded()) letInterfaceRun();
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
  const std::uint32_t elapsed = form_.platform().system->tickCount() - scanStartTick;
  QString seconds = QString::number(elapsed / 1000.0, 'f', 3);
  seconds.replace(u'.', QLocale().decimalPoint());
  page_.scanStatusLabel->setText(QStringLiteral("扫描已完成……（用时：%1 秒）").arg(seconds));

  // The main window has closed: the program is ending, nobody is there to answer.
  if (closing_) return;
  const PromptAnswer answer = form_.prompts().messageBox(
      &form_, QStringLiteral("文件扫描已结束,您是否现在就打开文件列表?"), QStringLiteral("询问"),
      PromptIcon::Question, PromptButtons::YesNo);
  if (answer == PromptAnswer::Yes) showFileList(nullptr);
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
  // Closing the main window ends the program: a scan running underneath must stop, not go on
  // unseen until it is done.
  if (watched == &form_ && event->type() == QEvent::Close && junkSearch.Busy()) {
    closing_ = true;
    junkSearch.Abort();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace norvane
