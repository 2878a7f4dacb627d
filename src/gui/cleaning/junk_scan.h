#pragma once
// The junk scan of the main window: turns the checked targets and the cleaning settings into
// FindFile's criteria, runs the search on the interface thread, shows its progress on the page
// "扫描结果" and lists every match in the file-list dialog. A child of the main window, which
// thereby owns FindFile.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "gui/shell/qt_event_loop.h"
#include "core/cleaning/cleaning_settings.h"
#include "core/shared/time_slice.h"
#include "core/search/find_file.h"

class QTreeWidget;

namespace norvane {

class ScanProgressPage;
class TForm3;
class TMainForm;

class JunkScan : public QObject {
  Q_OBJECT

  // Declared first: FindFile keeps a pointer to it.
  QtEventLoop eventLoop_;

 public:
  // `settings` gives the settings dialog's state at the moment of the call. Binds the start,
  // stop and list commands and answers the main window's question whether a scan runs.
  JunkScan(TMainForm& form, TForm3& form3, std::function<CleaningSettings()> settings);
  ~JunkScan() override;

  // What the start page's "添加文件" runs: the add-file command of the page "重启删除".
  void setAddRestartFile(std::function<void()> command) { addRestartFile_ = std::move(command); }

  // Handlers.
  void ActLabel10Click(QObject* sender);  // scan the checked partitions
  void ActLabel14Click(QObject* sender);  // scan the checked temporary folders, every file
  void ActLabel15Click(QObject* sender);  // scan the checked common folders
  void ActLabel35Click(QObject* sender);  // a start label of the start page, by its Tag
  void ActLabel29Click(QObject* sender);  // stop
  void ActLabel31Click(QObject* sender);  // show the file list
  void SetFindFileAttr();
  void FindFileSearchBegin(TFindFile* Sender);
  void FindFileFolderChange(TFindFile* Sender, const std::string& Folder,
                            TFolderIgnore& IgnoreFolder);
  void FindFileFileMatch(TFindFile* Sender, const std::string& Folder, const TSearchRec& FileInfo);
  void FindFileSearchAbort(TFindFile* Sender);
  void FindFileSearchFinish(TFindFile* Sender);

  TFindFile FindFile;
  std::uint32_t ScanStartTick = 0;
  std::int32_t ScannedFolderCount = 0;
  std::int32_t FoundFileCount = 0;
  std::int64_t FoundTotalSize = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The location made of the checked rows' captions, each followed by ";".
  static std::string checkedFolders(const QTreeWidget* list);
  void showProgressPage();
  // Counters and the status line change with every folder and match; they are drawn only
  // when the interface gets its turn, so they are written then.
  void letInterfaceRun();
  void writeProgressTexts();

  TMainForm& form_;
  TForm3& form3_;
  ScanProgressPage& page_;
  std::function<CleaningSettings()> settings_;
  std::function<void()> addRestartFile_;
  TimeSlice slice_;
  std::string shownFolder_;  // folder for the status line, "" when shown already
  bool foldersChanged_ = false;
  bool filesChanged_ = false;
  bool closing_ = false;  // the main window closed during the scan
};

}  // namespace norvane
