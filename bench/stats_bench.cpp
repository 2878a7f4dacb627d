// norvane-stats-bench: runs one count of the page "目录统计" in the real main window,
// offscreen, over a folder that stands in for the only fixed partition, and reports its time.
// The folder's file system gives the partition size; the message at the end is answered OK.
//
//   norvane-stats-bench --root DIR [--rows] [--shots DIR]
//
// Prints one line of key=value pairs: count_ms (from the click on "开始统计" to the end of the
// count), rows, folders and files (added over the rows) and longest_stall_ms (the longest wait
// of a 5 ms timer during the count). --rows first prints the rows, tab-separated as
// norvane-stats prints them (without escapes).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <cstdio>
#include <memory>
#include <string>

#include "gui/shell/main_window.h"
#include "gui/stats/stats_page.h"
#include "gui/widgets/action_label.h"
#include "platform/file_system_size.h"
#include "window_bench.h"

using namespace norvane;

namespace {

// One fixed drive, C, rooted at the benchmark's folder.
class FolderVolume : public Volumes {
 public:
  explicit FolderVolume(std::string root) : root_(std::move(root)) {
    if (root_.empty() || root_.back() != '/') root_ += '/';
  }
  bool isFixedDrive(char letter) override { return letter == 'C'; }
  std::string rootPath(char letter) override { return letter == 'C' ? root_ : std::string(); }
  bool diskSpace(char letter, DiskSpace& out) override {
    if (letter != 'C') return false;
    out.total = fileSystemTotalSize(root_);
    out.freeToCaller = out.totalFree = 0;
    return out.total >= 0;
  }
  bool volumeFacts(char letter, VolumeFacts& out) override {
    out.label = "BENCH";
    return letter == 'C';
  }
  char driveOfPath(const std::string& path) override {
    return path.compare(0, root_.size(), root_) == 0 ? 'C' : '\0';
  }

 private:
  std::string root_;
};

int usage() {
  std::fputs("usage: norvane-stats-bench --root DIR [--rows] [--shots DIR]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QString root, shots;
  bool printRows = false;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("--root") && i + 1 < args.size())
      root = QDir(args[++i]).absolutePath();
    else if (a == QLatin1String("--shots") && i + 1 < args.size())
      shots = args[++i];
    else if (a == QLatin1String("--rows"))
      printRows = true;
    else
      return usage();
  }
  if (root.isEmpty()) return usage();

  Platform platform = makeHostPlatform();
  platform.volumes = std::make_shared<FolderVolume>(root.toStdString());
  MainWindow form(platform, std::make_shared<AnsweringPrompts>(PromptAnswer::Ok));
  form.show();
  form.folderStatsButton->click();  // fills the partition list, the one row checked
  app.processEvents();

  StallMeter stalls;
  QElapsedTimer timer;
  stalls.start();
  timer.start();
  form.statsPage->startCountCommand->click();
  const qint64 countMs = timer.elapsed();
  stalls.stop();

  QTreeWidget* rows = form.statsPage->folderSizeList;
  long long folders = 0, files = 0;
  for (int i = 0; i < rows->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = rows->topLevelItem(i);
    folders += row->text(StatsPage::kSubfolderColumn).toLongLong();
    files += row->text(StatsPage::kFileColumn).toLongLong();
    if (printRows) {
      std::printf("%s\t%s\t%s\t%s\n", row->text(0).toUtf8().constData(),
                  row->text(1).toUtf8().constData(), row->text(2).toUtf8().constData(),
                  row->text(3).toUtf8().constData());
    }
  }

  if (!shots.isEmpty()) {
    app.processEvents();
    form.grab().save(QDir(shots).filePath(QStringLiteral("stats-count.png")));
  }
  std::printf("count_ms=%lld rows=%d folders=%lld files=%lld longest_stall_ms=%lld\n",
              static_cast<long long>(countMs), rows->topLevelItemCount(), folders, files,
              stalls.longestMs());
  return 0;
}
