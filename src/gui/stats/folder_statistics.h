#pragma once
// The commands of the page "目录统计": "开始统计" counts the top-level folders of the checked
// partitions with the main window's second search component, on the interface thread, adding
// one row per folder; "终止统计" stops it after the folder being counted.
#include <QObject>
#include <cstdint>
#include <memory>

#include "core/stats/folder_count.h"
#include "platform/directory_reader.h"
#include "platform/platform.h"

class QWidget;

namespace norvane {

class Prompts;
class StatsPage;

class FolderStatistics : public QObject {
  Q_OBJECT

 public:
  // `search` (the window's second search component) and `page` must outlive the commands.
  // `window` owns the message at the end; when it closes, a running count stops.
  FolderStatistics(StatsPage& page, FindFile& search, std::shared_ptr<DirectoryReader> reader,
                   Platform platform, std::shared_ptr<Prompts> prompts, QWidget& window);

  bool running() const { return count_.running(); }

  // Commands.
  void startCount();
  void stopCount();

  FolderCount& count() { return count_; }
  std::uint32_t countStartTick = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addRow(const FolderFigures& figures);
  void letInterfaceRun();
  QString elapsedSeconds() const;

  StatsPage& page_;
  std::shared_ptr<DirectoryReader> reader_;
  FolderCount count_;
  Platform platform_;
  std::shared_ptr<Prompts> prompts_;
  QWidget& window_;
  bool closing_ = false;  // the window closed during the count
};

}  // namespace norvane
