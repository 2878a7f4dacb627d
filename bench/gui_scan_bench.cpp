// norvane-scan-bench: runs one junk scan of the real main window over a folder, offscreen,
// and reports its time and memory. The folder is added as a checked common folder (the other
// rows unchecked) and scanned with "开始扫描"; the question at the end is answered No. The
// options are the built-in ones except that system files are scanned too and nothing is
// skipped, so the criteria equal `norvane-find --location FOLDER --masks MASKS`.
// --leave-system-files keeps the built-in choice of leaving system files out, which reads the
// package database during the scan: what that costs.
//
//   norvane-scan-bench --folder DIR [--masks LIST] [--show-list] [--shots DIR]
//                      [--leave-system-files]
//
// Prints one line of key=value pairs: scan_ms, rows, folders, model_bytes, rss_growth,
// peak_rss, longest_stall_ms (the longest wait of a 5 ms timer during the scan), check_all_ms.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStackedWidget>
#include <QTreeWidget>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "core/cleaning/cleaning_settings.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/cleaning/found_file_model.h"
#include "gui/cleaning/junk_scan.h"
#include "gui/cleaning/scan_target_page.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_page.h"
#include "gui/widgets/action_label.h"
#include "window_bench.h"

using namespace norvane;

namespace {

// A "kB" line of /proc/self/status, in bytes.
long long statusBytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(key) + ":";
  while (std::getline(status, line))
    if (line.rfind(prefix, 0) == 0) return std::stoll(line.substr(prefix.size())) * 1024;
  return -1;
}

int usage() {
  std::fputs(
      "usage: norvane-scan-bench --folder DIR [--masks LIST] [--show-list] [--shots DIR]\n"
      "                          [--leave-system-files]\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QString folder, shots;
  std::string masks;
  bool showList = false;
  bool leaveSystemFiles = false;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("--folder") && i + 1 < args.size())
      folder = args[++i];
    else if (a == QLatin1String("--masks") && i + 1 < args.size())
      masks = args[++i].toStdString();
    else if (a == QLatin1String("--shots") && i + 1 < args.size())
      shots = args[++i];
    else if (a == QLatin1String("--show-list"))
      showList = true;
    else if (a == QLatin1String("--leave-system-files"))
      leaveSystemFiles = true;
    else
      return usage();
  }
  if (folder.isEmpty()) return usage();

  CleaningSettings settings = defaultCleaningSettings();
  settings.options.skipTempFolder = settings.options.skipBrowserFolders = false;
  settings.options.scanSystem = !leaveSystemFiles;
  if (!masks.empty()) settings.types = {{"bench", masks, true}};
  auto current = [&settings] { return settings; };

  auto prompts = std::make_shared<AnsweringPrompts>(PromptAnswer::No);
  MainWindow form(makeHostPlatform(), prompts);
  auto* fileList = new FileListDialog(form.platform().fileOps, form.platform().restartDelete,
                                      prompts, current, &form);
  JunkScan* scan = &form.createJunkScan(*fileList, current);
  form.show();
  form.fileCleaningButton->click();
  form.infoPages->setCurrentIndex(StartPage::kCommonFolders);
  QTreeWidget* daily = form.startPage->commonFolderPage->targetList;
  for (int i = 0; i < daily->topLevelItemCount(); ++i)
    daily->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
  auto* target = new QTreeWidgetItem(daily, {folder, QStringLiteral("bench")});
  target->setCheckState(0, Qt::Checked);
  if (showList) fileList->show();
  app.processEvents();

  StallMeter stalls;
  const long long rssBefore = statusBytes("VmRSS");
  QElapsedTimer timer;
  stalls.start();
  timer.start();
  form.findChild<ActionLabel*>(QStringLiteral("scanCommonFoldersCommand"))->click();
  const qint64 scanMs = timer.elapsed();
  stalls.stop();
  app.processEvents();
  const long long rssAfter = statusBytes("VmRSS");

  FoundFileModel& rows = fileList->model();
  timer.restart();
  fileList->checkAllCommand->click();  // check all
  app.processEvents();
  const qint64 checkAllMs = timer.elapsed();

  if (!shots.isEmpty()) {
    const QDir out(shots);
    form.grab().save(out.filePath(QStringLiteral("scan-progress.png")));
    fileList->show();
    app.processEvents();
    fileList->grab().save(out.filePath(QStringLiteral("file-list.png")));
  }

  std::printf(
      "scan_ms=%lld rows=%d folders=%d model_bytes=%zu rss_growth=%lld peak_rss=%lld "
      "longest_stall_ms=%lld check_all_ms=%lld\n",
      static_cast<long long>(scanMs), rows.size(), scan->scannedFolderCount, rows.memoryBytes(),
      rssAfter - rssBefore, statusBytes("VmHWM"), stalls.longestMs(),
      static_cast<long long>(checkAllMs));
  return 0;
}
