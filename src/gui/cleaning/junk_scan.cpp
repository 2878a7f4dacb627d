#include "gui/cleaning/junk_scan.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QStackedWidget>
#include <QTreeWidget>

#include "gui/widgets/action_label.h"
#include "core/shared/drive_helpers.h"
#include "gui/shell/main_window.h"
#include "gui/widgets/prompts.h"
#include "core/shared/size_text.h"
#include "gui/shell/start_page.h"
#include "core/shared/folder_functions.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/cleaning/found_file_model.h"
#include "gui/cleaning/scan_progress_page.h"
#include "gui/cleaning/scan_target_page.h"
#include "gui/cleaning/search_animation.h"

namespace norvane {

namespace {

// Option indexes in CleaningSettings::options.
constexpr int kSkipTempFolder = 0;
constexpr int kSkipBrowserFolders = 1;
constexpr int kScanHidden = 2;
constexpr int kScanReadonly = 3;
constexpr int kScanSystem = 4;
constexpr int kScanEmpty = 5;

}  // namespace

JunkScan::JunkScan(TMainForm& form, TForm3& form3, std::function<CleaningSettings()> settings)
    : QObject(&form),
      FindFile(nullptr, &eventLoop_),
      form_(form),
      form3_(form3),
      page_(*form.startPage->progressPage),
      settings_(std::move(settings)) {
  setObjectName(QStringLiteral("JunkScan"));
  FindFile.OnSearchBegin = [this](TFindFile* s) { FindFileSearchBegin(s); };
  FindFile.OnFolderChange = [this](TFindFile* s, const std::string& folder, TFolderIgnore& ignore) {
    FindFileFolderChange(s, folder, ignore);
  };
  FindFile.OnFileMatch = [this](TFindFile* s, const std::string& folder, const TSearchRec& rec) {
    FindFileFileMatch(s, folder, rec);
  };
  FindFile.OnSearchAbort = [this](TFindFile* s) { FindFileSearchAbort(s); };
  FindFile.OnSearchFinish = [this](TFindFile* s) { FindFileSearchFinish(s); };

  form.hooks().findFileBusy = [this] { return FindFile.Busy(); };
  auto bind = [&](const char* name, void (JunkScan::*handler)(QObject*)) {
    auto* label = form.findChild<ActionLabel*>(QString::fromLatin1(name));
    Q_ASSERT(label != nullptr);
    if (label != nullptr) form.bindClick(label, [this, handler](QObject* s) { (this->*handler)(s); });
  };
  bind("ActLabel10", &JunkScan::ActLabel10Click);
  bind("ActLabel14", &JunkScan::ActLabel14Click);
  bind("ActLabel15", &JunkScan::ActLabel15Click);
  for (const char* name : {"ActLabel35", "ActLabel36", "ActLabel37", "ActLabel38"})
    bind(name, &JunkScan::ActLabel35Click);
  bind("ActLabel29", &JunkScan::ActLabel29Click);
  bind("ActLabel31", &JunkScan::ActLabel31Click);
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

void JunkScan::showProgressPage() { form_.InfoNote->setCurrentIndex(StartPage::kScanResult); }

void JunkScan::ActLabel10Click(QObject*) {
  const QTreeWidget* list = form_.startPage->partitionPage->list;
  Volumes& volumes = *form_.platform().volumes;
  std::string location;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = list->topLevelItem(i);
    if (row->checkState(0) != Qt::Checked) continue;
    const char letter = static_cast<char>(row->data(0, Qt::UserRole).toInt() + 64);
    location += DriveRootPath(volumes, letter);
    location += ';';
  }
  FindFile.Criteria().Files().SetLocation(location);
  SetFindFileAttr();
  showProgressPage();
  FindFile.Execute();
}

void JunkScan::ActLabel14Click(QObject*) {
  FindFile.Criteria().Files().SetLocation(checkedFolders(form_.startPage->tempFolderPage->list));
  SetFindFileAttr();
  // Everything in these folders is junk, and none of them is skipped.
  FindFile.Criteria().Files().Excluded().clear();
  FindFile.Criteria().Files().SetFileName("*.*");
  showProgressPage();
  FindFile.Execute();
}

void JunkScan::ActLabel15Click(QObject*) {
  FindFile.Criteria().Files().SetLocation(checkedFolders(form_.startPage->commonFolderPage->list));
  SetFindFileAttr();
  showProgressPage();
  FindFile.Execute();
}

void JunkScan::ActLabel35Click(QObject* sender) {
  auto* label = qobject_cast<ActionLabel*>(sender);
  if (label == nullptr) return;
  // Entering the page rebuilds its list with every row checked.
  form_.InfoNote->setCurrentIndex(label->tag());
  switch (label->tag()) {
    case StartPage::kMyComputer:
      ActLabel10Click(sender);
      break;
    case StartPage::kTempFolders:
      ActLabel14Click(sender);
      break;
    case StartPage::kCommonFolders:
      ActLabel15Click(sender);
      break;
    case StartPage::kRestart:
      if (addRestartFile_) addRestartFile_();
      break;
    default:
      break;
  }
}

void JunkScan::ActLabel29Click(QObject*) { FindFile.Abort(); }

void JunkScan::ActLabel31Click(QObject*) {
  if (!form3_.isVisible()) {
    form3_.show();
    return;
  }
  // Already open, perhaps behind the main window.
  form3_.raise();
  form3_.activateWindow();
}

void JunkScan::SetFindFileAttr() {
  const CleaningSettings settings = settings_ ? settings_() : defaultCleaningSettings();
  TSearchCriteria& criteria = FindFile.Criteria();
  TStringList& excluded = criteria.Files().Excluded();
  excluded.clear();
  criteria.AttributeEx().SetHidden(settings.options[kScanHidden] ? fsIgnore : fsUnset);
  criteria.AttributeEx().SetReadonly(settings.options[kScanReadonly] ? fsIgnore : fsUnset);
  criteria.AttributeEx().SetSystem(settings.options[kScanSystem] ? fsIgnore : fsUnset);
  criteria.Size().SetMin(settings.options[kScanEmpty] ? 0 : 1);

  ShellFolders& folders = *form_.platform().shellFolders;
  auto exclude = [&excluded](std::string folder) {
    // A folder the system can't name would leave a lone separator, which as an exclusion
    // pattern matches every file: the scan would find nothing. Such a line is left out.
    if (folder.empty()) return;
    // The root folder already ends with the separator.
    if (folder.back() != kPathDelimiter) folder += kPathDelimiter;
    excluded.push_back(std::move(folder));
  };
  if (settings.options[kSkipTempFolder]) exclude(LongTempFolderPath(folders));
  if (settings.options[kSkipBrowserFolders]) {
    exclude(ShellFolderPath(folders, CSIDL_INTERNET_CACHE));
    exclude(ShellFolderPath(folders, CSIDL_COOKIES));
    exclude(ShellFolderPath(folders, CSIDL_HISTORY));
  }
  criteria.Files().SetFileName(joinScanMasks(settings.types));
}

void JunkScan::FindFileSearchBegin(TFindFile*) {
  page_.Animate1->show();
  page_.Animate1->play();
  ScannedFolderCount = 0;
  FoundFileCount = 0;
  FoundTotalSize = 0;
  page_.ActLabel30->setEnabled(false);
  page_.ActLabel29->setEnabled(true);
  form3_.model().clear();
  ScanStartTick = form_.platform().system->tickCount();
  shownFolder_.clear();
  foldersChanged_ = filesChanged_ = false;
  closing_ = false;
  slice_.restart();
}

void JunkScan::FindFileFolderChange(TFindFile* Sender, const std::string& Folder,
                                    TFolderIgnore& IgnoreFolder) {
  // Read afresh each time: a start command during the scan may have rewritten the list.
  // Folder names on this system differ by case, so the comparison is exact.
  for (const std::string& line : Sender->Criteria().Files().Excluded()) {
    if (line == Folder) {
      IgnoreFolder = fiThisAndSubfolders;
      return;
    }
  }
  shownFolder_ = Folder;
  ++ScannedFolderCount;
  foldersChanged_ = true;
  if (!Sender->Threaded()) letInterfaceRun();
}

void JunkScan::FindFileFileMatch(TFindFile* Sender, const std::string& Folder,
                                 const TSearchRec& FileInfo) {
  FoundTotalSize += FileInfo.Size;
  ++FoundFileCount;
  filesChanged_ = true;
  form3_.model().append(Folder, FileInfo.Name, FileInfo.Size, FileInfo.Time);
  if (!Sender->Threaded()) letInterfaceRun();
}

void JunkScan::FindFileSearchAbort(TFindFile*) {
  writeProgressTexts();
  page_.Label4->setText(QStringLiteral("用户终止"));
}

void JunkScan::FindFileSearchFinish(TFindFile*) {
  writeProgressTexts();
  form3_.model().publishPending();
  page_.Animate1->stop();
  page_.Animate1->hide();
  page_.ActLabel30->setEnabled(true);
  page_.ActLabel29->setEnabled(false);

  // Unsigned 32-bit difference: a wrap of the tick counter still gives the duration.
  const std::uint32_t elapsed = form_.platform().system->tickCount() - ScanStartTick;
  QString seconds = QString::number(elapsed / 1000.0, 'f', 3);
  seconds.replace(u'.', QLocale().decimalPoint());
  page_.Label4->setText(QStringLiteral("扫描已完成……（用时：%1 秒）").arg(seconds));

  // The main window has closed: the program is ending, nobody is there to answer.
  if (closing_) return;
  const PromptAnswer answer = form_.prompts().messageBox(
      &form_, QStringLiteral("文件扫描已结束,您是否现在就打开文件列表?"), QStringLiteral("询问"),
      PromptIcon::Question, PromptButtons::YesNo);
  if (answer == PromptAnswer::Yes) ActLabel31Click(nullptr);
}

void JunkScan::letInterfaceRun() {
  if (!slice_.due()) return;
  writeProgressTexts();
  form3_.model().publishPending();
  QCoreApplication::processEvents();
}

void JunkScan::writeProgressTexts() {
  if (!shownFolder_.empty()) {
    const QString folder = QString::fromUtf8(shownFolder_.data(),
                                             static_cast<qsizetype>(shownFolder_.size()));
    QLabel* status = page_.Label4;
    status->setText(QFontMetrics(status->font()).elidedText(folder, Qt::ElideMiddle, status->width()));
    shownFolder_.clear();
  }
  if (foldersChanged_) {
    page_.ActLabel25->setText(QStringLiteral("已扫描文件夹：%1").arg(ScannedFolderCount));
    foldersChanged_ = false;
  }
  if (filesChanged_) {
    page_.ActLabel26->setText(QStringLiteral("已搜索到文件：%1").arg(FoundFileCount));
    page_.ActLabel27->setText(QStringLiteral("总计大小：") +
                              QString::fromStdString(ConFileSize(FoundTotalSize)));
    filesChanged_ = false;
  }
}

bool JunkScan::eventFilter(QObject* watched, QEvent* event) {
  // Closing the main window ends the program: a scan running underneath must stop, not go on
  // unseen until it is done.
  if (watched == &form_ && event->type() == QEvent::Close && FindFile.Busy()) {
    closing_ = true;
    FindFile.Abort();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace norvane
