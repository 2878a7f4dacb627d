#pragma once
// The junk scan: turns the checked targets and the cleaning settings into the search
// component's criteria, runs the search on the interface thread, shows its progress on the
// page "扫描结果" and lists every match in the file-list dialog.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/cleaning/cleaning_settings.h"
#include "core/search/find_file.h"
#include "core/shared/time_slice.h"
#include "gui/widgets/qt_event_loop.h"
#include "platform/platform.h"

class QWidget;

namespace norvane {

class FileListDialog;
class Prompts;
class ScanProgressPage;
class ScanTargetLists;

class JunkScan : public QObject {
  Q_OBJECT

  // Declared first: the search keeps a pointer to it.
  QtEventLoop eventLoop_;

 public:
  // `settings` gives the settings dialog's state at the moment of the call. `window` owns the
  // question at the end of a scan; when it closes, a running scan stops.
  JunkScan(ScanTargetLists& targets, ScanProgressPage& page, FileListDialog& fileList,
           Platform platform, std::shared_ptr<Prompts> prompts, QWidget& window,
           std::function<CleaningSettings()> settings);
  ~JunkScan() override;

  bool running() const { return junkSearch.Busy(); }

  // Commands.
  void scanPartitions();     // the checked partitions
  void scanTempFolders();    // the checked temporary folders, every file
  void scanCommonFolders();  // the checked common folders
  void stopScan();
  void showFileList();

  // Writes the settings into the criteria; each start does it.
  void applySettings();

  // Search events.
  void searchBegan(FindFile* sender);
  void folderEntered(FindFile* sender, const std::string& folder, FolderIgnore& ignore);
  void fileMatched(FindFile* sender, const std::string& folder, const SearchRecord& fileInfo);
  void searchAborted(FindFile* sender);
  void searchFinished(FindFile* sender);

  FindFile junkSearch;
  std::uint32_t scanStartTick = 0;
  std::int32_t scannedFolderCount = 0;
  std::int32_t foundFileCount = 0;
  std::int64_t foundTotalSize = 0;

 signals:
  // A start command is about to search: the progress page should show.
  void scanStarting();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setTargets(const std::vector<std::string>& folders);
  void start();
  // Counters and the status line change with every folder and match; they are drawn only
  // when the interface gets its turn, so they are written then.
  void letInterfaceRun();
  void writeProgressTexts();

  ScanTargetLists& targets_;
  ScanProgressPage& page_;
  FileListDialog& fileList_;
  Platform platform_;
  std::shared_ptr<Prompts> prompts_;
  QWidget& window_;
  std::function<CleaningSettings()> settings_;
  TimeSlice slice_;
  std::string shownFolder_;  // folder for the status line, "" when shown already
  bool foldersChanged_ = false;
  bool filesChanged_ = false;
  bool closing_ = false;  // the window closed during the scan
};

}  // namespace norvane
