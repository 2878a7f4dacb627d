#pragma once
// The junk scan of the main window: turns the checked targets and the cleaning settings into
// FindFile's criteria, runs the search on the interface thread, shows its progress on the page
// "扫描结果" and lists every match in the file-list dialog. A child of the main window, which
// thereby owns junkSearch.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "core/cleaning/cleaning_settings.h"
#include "core/search/find_file.h"
#include "core/shared/time_slice.h"
#include "gui/shell/qt_event_loop.h"

class QTreeWidget;

namespace norvane {

class ScanProgressPage;
class FileListDialog;
class MainWindow;

class JunkScan : public QObject {
  Q_OBJECT

  // Declared first: FindFile keeps a pointer to it.
  QtEventLoop eventLoop_;

 public:
  // `settings` gives the settings dialog's state at the moment of the call. Binds the start,
  // stop and list commands and answers the main window's question whether a scan runs.
  JunkScan(MainWindow& form, FileListDialog& fileList, std::function<CleaningSettings()> settings);
  ~JunkScan() override;

  // What the start page's "添加文件" runs: the add-file command of the page "重启删除".
  void setAddRestartFile(std::function<void()> command) { addRestartFile_ = std::move(command); }

  // Handlers.
  void scanPartitions(QObject* sender);     // scan the checked partitions
  void scanTempFolders(QObject* sender);    // scan the checked temporary folders, every file
  void scanCommonFolders(QObject* sender);  // scan the checked common folders
  void runStartCommand(QObject* sender);    // a start label of the start page, by its Tag
  void stopScan(QObject* sender);           // stop
  void showFileList(QObject* sender);       // show the file list
  void applySettings();
  void searchBegan(FindFile* Sender);
  void folderEntered(FindFile* Sender, const std::string& Folder, FolderIgnore& IgnoreFolder);
  void fileMatched(FindFile* Sender, const std::string& Folder, const SearchRecord& FileInfo);
  void searchAborted(FindFile* Sender);
  void searchFinished(FindFile* Sender);

  FindFile junkSearch;
  std::uint32_t scanStartTick = 0;
  std::int32_t scannedFolderCount = 0;
  std::int32_t foundFileCount = 0;
  std::int64_t foundTotalSize = 0;

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

  MainWindow& form_;
  FileListDialog& fileList_;
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
