// The junk scan from the main window's commands to the file list, over a fixture tree: the
// counters and rows, the exclusions, the deletion with every status (a read-only file, a file
// a child process holds open, a vanished file) and the real pending-delete list; the settings
// in the criteria; stop, a second start and closing the window while a scan runs.
#include "gui/cleaning/junk_scan.h"

#include <sys/stat.h>

#include <QLabel>
#include <QProcess>
#include <QStackedWidget>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "core/shared/size_text.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/cleaning/found_file_model.h"
#include "gui/cleaning/restart_page.h"
#include "gui/cleaning/scan_progress_page.h"
#include "gui/cleaning/scan_target_page.h"
#include "gui/cleaning/search_animation.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_page.h"
#include "gui/widgets/action_label.h"
#include "platform/posix/dpkg_database.h"
#include "platform/posix/pending_delete_list.h"
#include "platform/posix/posix_file_ops.h"
#include "platform/posix/posix_restart_delete.h"
#include "support/gui/fake_platform.h"
#include "support/gui/scripted_prompts.h"
#include "support/temp_dir.h"

using namespace norvane;
using namespace norvane::test;

namespace {

// Every folder the target lists and the exclusions name lies in the fixture: a test never
// scans the real system.
class FixtureShellFolders : public FakeShellFolders {
 public:
  std::string temp;
  std::string programs;
  std::map<int, std::string> special;
  std::string tempFolder() override { return temp; }
  std::string programFilesDir() override { return programs; }
  std::string specialFolder(int csidl) override {
    const auto it = special.find(csidl);
    return it != special.end() ? it->second : std::string();
  }
};

}  // namespace

class JunkScanTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::string tree;  // the scanned folder, ending in "/"
  FakePlatform fakes;
  std::shared_ptr<FixtureShellFolders> shell;
  PendingDeleteSetup pending;
  std::shared_ptr<ScriptedPrompts> prompts;
  CleaningSettings settings;
  std::unique_ptr<MainWindow> form;
  std::unique_ptr<FileListDialog> fileList;
  JunkScan* scan = nullptr;

  ActionLabel* label(const char* name) {
    return form->findChild<ActionLabel*>(QString::fromLatin1(name));
  }
  ScanProgressPage& page() { return *form->startPage->progressPage; }
  FoundFileModel& rows() { return fileList->model(); }

  // A checked common folder, as "增加文件夹" adds it.
  void addCommonFolder(const std::string& folder) {
    auto* row = new QTreeWidgetItem(form->startPage->commonFolderPage->targetList,
                                    {QString::fromStdString(folder), QStringLiteral("测试")});
    row->setCheckState(0, Qt::Checked);
  }

  int rowOf(const std::string& name) {
    for (int i = 0; i < rows().size(); ++i)
      if (rows().name(i) == name) return i;
    return -1;
  }
  QString statusOf(const std::string& name) {
    return rows().index(rowOf(name), FoundFileModel::kTimeColumn).data().toString();
  }

  std::set<std::string> listedNames() {
    std::set<std::string> names;
    for (int i = 0; i < rows().size(); ++i) names.insert(std::string(rows().name(i)));
    return names;
  }

  // Runs `action` inside the scan, when the search enters its `nth` folder.
  void duringScan(int nth, std::function<void()> action) {
    auto original = scan->junkSearch.OnFolderChange;
    auto count = std::make_shared<int>(0);
    scan->junkSearch.OnFolderChange = [=](FindFile* s, const std::string& f, FolderIgnore& i) {
      original(s, f, i);
      if (++*count == nth) action();
    };
  }

  void makeDeepTree(int folders) {
    std::string path = "tree/deep";
    for (int i = 0; i < folders; ++i) {
      path += "/d" + std::to_string(i);
      dir->writeFile(path + "/x" + std::to_string(i) + ".tmp", "junk");
    }
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    tree = dir->makeDir("tree") + "/";
    fakes = FakePlatform();
    shell = std::make_shared<FixtureShellFolders>();
    shell->windows = *dir / "windows";
    shell->programs = "";
    shell->temp = dir->path() + "/tree/tmpdir/";
    shell->special[CSIDL_INTERNET_CACHE] = dir->path() + "/tree/cache";
    fakes.shellFolders = shell;
    Platform platform = fakes.platform();
    platform.fileOps = std::make_shared<PosixFileOps>("/proc", std::chrono::milliseconds(0));
    pending = PendingDeleteSetup();
    pending.listPath = *dir / "state/pending-delete.list";
    pending.helperPath = NORVANE_PENDING_DELETE_HELPER;
    pending.autostartDir = *dir / "autostart";
    platform.restartDelete = std::make_shared<PosixRestartDelete>(pending);
    platform.packageDatabase = std::make_shared<DpkgDatabase>(*dir / "dpkg", false);
    prompts = std::make_shared<ScriptedPrompts>();
    settings = defaultCleaningSettings();
    auto current = [this] { return settings; };

    form = std::make_unique<MainWindow>(platform, prompts);
    fileList = std::make_unique<FileListDialog>(platform.fileOps, platform.restartDelete, prompts,
                                                current);
    scan = &form->createJunkScan(*fileList, current);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }

  void cleanup() {
    form.reset();
    fileList.reset();
    dir.reset();
  }

  void scanListsJunkAndDeletionReportsEveryOutcome() {
    dir->writeFile("tree/a.tmp", std::string(10, 'a'));
    dir->writeFile("tree/empty.log");
    dir->writeFile("tree/keep.txt", "keep");
    dir->writeFile("tree/.hidden.bak", std::string(7, 'h'));
    const std::string readOnly = dir->writeFile("tree/ro.bak", std::string(11, 'r'));
    ::chmod(readOnly.c_str(), 0444);
    const std::string held = dir->writeFile("tree/held.tmp", std::string(13, 'o'));
    dir->writeFile("tree/sub/c.tmp", std::string(2000, 'c'));
    dir->writeFile("tree/tmpdir/y.tmp", "skipped: the temporary folder");
    dir->writeFile("tree/cache/z.tmp", "skipped: the browser cache");
    // Entering "常用文件夹" rebuilds its list: its first row, the "Windows" folder, is the tree.
    shell->windows = dir->path() + "/tree";

    prompts->answer(PromptAnswer::Yes);
    label("commonFoldersStartCommand")->click();  // the start page's "开始扫描" of "常用文件夹"

    QVERIFY(!scan->junkSearch.Busy());
    QCOMPARE(form->infoPages->currentIndex(), int(StartPage::kScanResult));
    QCOMPARE(listedNames(), (std::set<std::string>{"a.tmp", "empty.log", ".hidden.bak", "ro.bak",
                                                   "held.tmp", "c.tmp"}));
    QCOMPARE(rows().rowCount(), 6);
    for (int i = 0; i < rows().size(); ++i) QVERIFY(rows().folder(i).starts_with(tree));
    QCOMPARE(std::string(rows().folder(rowOf("c.tmp"))), tree + "sub/");
    QVERIFY(!rows().isChecked(0));
    QCOMPARE(scan->scannedFolderCount, 2);  // the tree and sub/; the skipped ones don't count
    QCOMPARE(page().scannedFoldersLabel->text(), QStringLiteral("已扫描文件夹：2"));
    QCOMPARE(page().foundFilesLabel->text(), QStringLiteral("已搜索到文件：6"));
    QCOMPARE(scan->foundTotalSize, std::int64_t(2041));
    QCOMPARE(page().foundSizeLabel->text(), QStringLiteral("总计大小：1.99 KB"));
    QCOMPARE(page().scanStatusLabel->text(), QStringLiteral("扫描已完成……（用时：0.000 秒）"));
    QVERIFY(page().scanBackCommand->isEnabled() && !page().stopScanCommand->isEnabled());
    QVERIFY(!page().searchAnimation->isVisible());
    QCOMPARE(prompts->asked().size(), std::size_t(1));
    QCOMPARE(prompts->last().caption, QStringLiteral("询问"));
    QCOMPARE(prompts->last().text, QStringLiteral("文件扫描已结束,您是否现在就打开文件列表?"));
    QCOMPARE(prompts->last().buttons, PromptButtons::YesNo);
    QVERIFY(fileList->isVisible());  // "Yes" opened the list

    QProcess holder;  // keeps held.tmp open, as a running program would
    holder.setStandardInputFile(QString::fromStdString(held));
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(holder.waitForStarted());
    std::remove((tree + "empty.log").c_str());

    fileList->checkAllCommand->click();
    fileList->deleteCheckedCommand->click();
    QCOMPARE(statusOf("a.tmp"), QStringLiteral("删除成功"));
    QCOMPARE(statusOf("c.tmp"), QStringLiteral("删除成功"));
    QCOMPARE(statusOf(".hidden.bak"), QStringLiteral("删除成功"));
    QCOMPARE(statusOf("empty.log"), QStringLiteral("文件不存在"));
    QCOMPARE(statusOf("ro.bak"), QStringLiteral("重启删除"));
    QCOMPARE(statusOf("held.tmp"), QStringLiteral("重启删除"));
    QCOMPARE(fileList->freedBytes, std::int64_t(2017));
    QCOMPARE(prompts->last().text, QStringLiteral("文件清理完成，共释放1.97 KB磁盘空间。"));
    QVERIFY(!QFile::exists(QString::fromStdString(tree + "sub/c.tmp")));
    QVERIFY(QFile::exists(QString::fromStdString(held)));
    const std::vector<std::string> listed = PendingDeleteList(pending.listPath).entries();
    QCOMPARE(std::set<std::string>(listed.begin(), listed.end()),
             (std::set<std::string>{PosixRestartDelete::recordedPath(readOnly),
                                    PosixRestartDelete::recordedPath(held)}));

    settings.options.deleteAtRestart = false;
    fileList->deleteAllCommand->click();
    QCOMPARE(statusOf("ro.bak"), QStringLiteral("删除失败"));
    QCOMPARE(statusOf("held.tmp"), QStringLiteral("删除失败"));
    QCOMPARE(statusOf("a.tmp"), QStringLiteral("文件不存在"));
    QCOMPARE(prompts->last().text, QStringLiteral("文件清理完成，共释放0 byte磁盘空间。"));
    QCOMPARE(PendingDeleteList(pending.listPath).entries().size(), std::size_t(2));
    holder.kill();
    holder.waitForFinished();
  }

  // A file that an installed package owns is a system file: listed only when they are wanted.
  void packageFilesAreListedOnlyWithSystemFiles() {
    dir->writeFile("tree/libfreebl3.chk", "owned");
    dir->writeFile("tree/mine.chk", "mine");
    dir->writeFile("dpkg/status", "Package: libnss3\nStatus: install ok installed\n");
    dir->writeFile("dpkg/info/libnss3.list",
                   std::filesystem::canonical(tree).string() + "/libfreebl3.chk\n");
    addCommonFolder(tree);
    label("scanCommonFoldersCommand")->click();
    QCOMPARE(listedNames(), std::set<std::string>{"mine.chk"});
    settings.options.scanSystem = true;  // "扫描系统属性文件"
    label("scanCommonFoldersCommand")->click();
    QCOMPARE(listedNames(), (std::set<std::string>{"libfreebl3.chk", "mine.chk"}));
  }

  // Between the scan and the deletion the scanned folder becomes a link to a folder holding
  // files of the same names, and a file is swapped for another: nothing is deleted.
  void swapsBetweenScanAndDeletionDeleteNothing() {
    dir->writeFile("tree/sub/a.tmp", "junk");
    dir->writeFile("tree/b.tmp", "junk");
    const std::string victim = dir->writeFile("victim/a.tmp", "someone else's");
    addCommonFolder(tree);
    label("scanCommonFoldersCommand")->click();
    QCOMPARE(listedNames(), (std::set<std::string>{"a.tmp", "b.tmp"}));

    QCOMPARE(::rename((tree + "sub").c_str(), (*dir / "sub.moved").c_str()), 0);
    QCOMPARE(::symlink((*dir / "victim").c_str(), (tree + "sub").c_str()), 0);
    QCOMPARE(::rename((tree + "b.tmp").c_str(), (tree + "b.kept").c_str()), 0);
    dir->writeFile("tree/b.tmp", "another file");
    fileList->deleteAllCommand->click();
    QCOMPARE(statusOf("a.tmp"), QStringLiteral("文件不存在"));
    QCOMPARE(statusOf("b.tmp"), QStringLiteral("文件不存在"));
    QCOMPARE(fileList->freedBytes, std::int64_t(0));
    for (const std::string& kept :
         {victim, *dir / "sub.moved/a.tmp", tree + "b.tmp", tree + "b.kept"})
      QVERIFY2(QFile::exists(QString::fromStdString(kept)), kept.c_str());
  }

  void settingsAreReadIntoTheCriteriaAtEachStart() {
    settings.options = {true, true, false, false, true, false, false, true};
    settings.types = {{"a", "*.aa;", true}, {"b", "*.bb;", false}, {"c", "x.c;", true}};
    shell->special[CSIDL_COOKIES] = "";  // no such folder here: no exclusion line for it
    scan->applySettings();
    const SearchCriteria& c = scan->junkSearch.Criteria();
    QCOMPARE(c.AttributeEx().Hidden(), fsUnset);
    QCOMPARE(c.AttributeEx().Readonly(), fsUnset);
    QCOMPARE(c.AttributeEx().System(), fsIgnore);
    QCOMPARE(c.Size().Min(), std::int64_t(1));
    QCOMPARE(c.Files().Masks(), (StringList{"*.aa", "x.c"}));
    QCOMPARE(c.Files().Excluded(), (StringList{tree + "tmpdir/", tree + "cache/"}));

    settings.options = {false, false, true, true, false, true, false, true};
    shell->temp = "";
    settings.types.clear();
    scan->applySettings();
    QCOMPARE(c.AttributeEx().Hidden(), fsIgnore);
    QCOMPARE(c.AttributeEx().Readonly(), fsIgnore);
    QCOMPARE(c.AttributeEx().System(), fsUnset);
    QCOMPARE(c.Size().Min(), std::int64_t(0));
    QVERIFY(c.Files().Masks().empty());
    QVERIFY(c.Files().Excluded().empty());

    // The temporary folders: every file, nothing skipped; nothing checked gives an empty scan.
    settings.options.skipTempFolder = true;
    shell->temp = "/var/tmp";
    label("scanTempFoldersCommand")->click();
    QCOMPARE(c.Files().Masks(), StringList{"*.*"});
    QVERIFY(c.Files().Excluded().empty());
    QCOMPARE(c.AttributeEx().Hidden(), fsIgnore);
    QCOMPARE(rows().rowCount(), 0);
    QCOMPARE(page().scanStatusLabel->text(), QStringLiteral("扫描已完成……（用时：0.000 秒）"));
    QCOMPARE(prompts->asked().size(), std::size_t(1));

    prompts->chooseFiles({QStringLiteral("/tmp/queued.tmp")});
    label("restartDeleteStartCommand")->click();  // runs "添加文件" of "重启删除"
    QCOMPARE(form->infoPages->currentIndex(), int(StartPage::kRestart));
    QCOMPARE(prompts->last().kind, AskedPrompt::Kind::OpenFiles);
    QCOMPARE(form->startPage->restartPage->restartQueueList->topLevelItemCount(), 1);
  }

  void partitionScanCoversTheCheckedDrivesOnly() {
    dir->writeFile("tree/c/one.tmp", "1");
    dir->writeFile("tree/d/two.tmp", "2");
    fakes.volumes->add('C', {tree + "c/", 100, 50, "SYS"});
    fakes.volumes->add('D', {tree + "d/", 100, 50, "DATA"});
    label("myComputerShortcut")->click();  // "我的电脑" fills partitionList, every row checked
    QTreeWidget* drives = form->startPage->partitionPage->targetList;
    QCOMPARE(drives->topLevelItemCount(), 2);
    drives->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    label("scanPartitionsCommand")->click();
    QCOMPARE(scan->junkSearch.Criteria().Files().Locations(), StringList{tree + "c/"});
    QCOMPARE(listedNames(), std::set<std::string>{"one.tmp"});
  }

  // The checked folders reach the search as a list: ";" and blanks belong to the name.
  void foldersNamedWithASeparatorOrBlanksScanAsThemselves() {
    dir->writeFile("tree/a;b/one.tmp", "1");
    dir->writeFile("tree/ both /two.tmp", "2");
    dir->writeFile("tree/a/no.tmp", "3");
    dir->writeFile("tree/ both/no.tmp", "4");
    addCommonFolder(tree + "a;b");
    addCommonFolder(tree + " both ");
    label("scanCommonFoldersCommand")->click();
    QCOMPARE(listedNames(), (std::set<std::string>{"one.tmp", "two.tmp"}));
  }

  void stopAndASecondStartDuringAScan() {
    makeDeepTree(6);
    addCommonFolder(tree);
    dir->writeFile("tree/top.tmp", "x");
    label("scanCommonFoldersCommand")->click();  // a first scan fills the list
    const int previous = rows().size();
    QCOMPARE(previous, 7);

    dir->writeFile("tree/deep/d0/d1/d2/d3/d4/d5/more.tmp", "y");  // tree > deep > d0 > ...
    bool busyOnPage5 = false, listKept = false, stopped = false;
    duringScan(3, [&] {
      auto* target = form->startPage->commonFolderPage->targetList->topLevelItem(0);
      target->setCheckState(0, Qt::Unchecked);
      const std::uint64_t generation = rows().generation();
      form->infoPages->setCurrentIndex(StartPage::kDiskInfo);
      label("scanCommonFoldersCommand")->click();  // starts nothing, but rewrites the criteria
      listKept = rows().generation() == generation && rows().size() > 0;
      form->showFunctionPage(form->folderStatsButton);
      form->showFunctionPage(form->fileCleaningButton);
      busyOnPage5 = form->infoPages->currentIndex() == StartPage::kScanResult &&
                    scan->junkSearch.Criteria().Files().Locations().empty();
    });
    duringScan(5, [&] {
      label("stopScanCommand")->click();
      stopped = page().scanStatusLabel->text() == QStringLiteral("用户终止");
    });
    label("scanCommonFoldersCommand")->click();

    QVERIFY(listKept);
    QVERIFY(busyOnPage5);
    QVERIFY(stopped);
    QVERIFY(scan->junkSearch.Aborted() && !scan->junkSearch.Busy());
    QVERIFY(rows().size() < previous + 1);
    QCOMPARE(scan->scannedFolderCount, 5);
    QCOMPARE(page().scanStatusLabel->text(), QStringLiteral("扫描已完成……（用时：0.000 秒）"));
    QCOMPARE(prompts->asked().size(), std::size_t(2));  // one question per scan
    QVERIFY(!page().stopScanCommand->isEnabled());
  }

  void closingTheMainWindowStopsTheScan() {
    makeDeepTree(8);
    addCommonFolder(tree);
    duringScan(2, [&] { form->closeWindow(nullptr); });
    label("scanCommonFoldersCommand")->click();
    QVERIFY(!form->isVisible());
    QVERIFY(scan->junkSearch.Aborted() && !scan->junkSearch.Busy());
    QCOMPARE(scan->scannedFolderCount, 2);
    QVERIFY(prompts->asked().empty());  // nobody is asked about a list nobody will see
  }
};

QTEST_MAIN(JunkScanTest)
#include "junk_scan_test.moc"
