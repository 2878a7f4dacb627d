// The page "目录统计" driven through the main window over partitions rooted in a fixture
// folder: the rows and their texts, the order of partitions, the commands swapping places, a
// stop during the second folder, the completion texts and closing the window during a count.
#include "gui/stats/folder_statistics.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <memory>

#include "gui/shell/main_window.h"
#include "gui/stats/stats_page.h"
#include "gui/widgets/action_label.h"
#include "support/gui/fake_platform.h"
#include "support/gui/gui_test_helpers.h"
#include "support/gui/scripted_prompts.h"
#include "support/temp_dir.h"

using namespace norvane;
using namespace norvane::test;

class FolderStatisticsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  FakePlatform fakes;
  std::shared_ptr<ScriptedPrompts> prompts;
  std::unique_ptr<MainWindow> form;

  StatsPage& page() { return *form->statsPage; }
  QTreeWidget* rows() { return page().folderSizeList; }
  QStringList row(int i) {
    QStringList texts;
    for (int c = 0; c < 4; ++c) texts << rows()->topLevelItem(i)->text(c);
    return texts;
  }
  QString path(const std::string& relative) { return QString::fromStdString(*dir / relative); }

  // Runs `action` when the search enters a folder named `name`, as the count walks.
  void onFolder(const std::string& name, std::function<void()> action) {
    auto entered = form->folderSearch.OnFolderChange;
    form->folderSearch.OnFolderChange = [=](FindFile* s, const std::string& folder,
                                            FolderIgnore& ignore) {
      entered(s, folder, ignore);
      if (folder.size() > name.size() + 1 &&
          folder.compare(folder.size() - name.size() - 1, name.size(), name) == 0)
        action();
    };
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    fakes = FakePlatform();
    fakes.volumes->add('C', {dir->makeDir("c") + "/", 1000, 500, "DATA"});
    fakes.volumes->add('D', {dir->makeDir("d") + "/", 0, 0, "OTHER"});
    fakes.volumes->drives['D'].readable = false;  // size unknown
    prompts = std::make_shared<ScriptedPrompts>();
    form = std::make_unique<MainWindow>(fakes.platform(), prompts);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }

  void cleanup() {
    form.reset();
    dir.reset();
  }

  void countsEveryCheckedPartitionInListOrder() {
    dir->writeFile("c/folder/ten", "0123456789");
    dir->writeFile("c/folder/.hidden", "12345");
    dir->makeDir("c/folder/sub");
    dir->makeDir("c/empty");
    dir->writeFile("c/.dot/never", "x");
    dir->writeFile("c/rootfile", "x");
    dir->writeFile("d/other/one", "1");
    QVERIFY(clickVisible(form->folderStatsButton));
    QTreeWidget* partitions = page().countPartitionList;
    QCOMPARE(partitions->topLevelItemCount(), 2);
    QCOMPARE(page().checkedDriveNumbers(), (std::vector<int>{3, 4}));

    // The tick counter wraps during the count: 0x200 ms pass.
    fakes.system->tick = 0xFFFFFF00u;
    auto began = form->folderSearch.OnSearchBegin;
    form->folderSearch.OnSearchBegin = [this, began](FindFile* s) {
      began(s);
      fakes.system->tick = 0x100;
    };
    QVERIFY(clickVisible(page().startCountCommand));

    QCOMPARE(rows()->topLevelItemCount(), 3);
    // C's folders in the order the file system lists them, then D's.
    QStringList cRows = {row(0).join('|'), row(1).join('|')};
    cRows.sort();
    QCOMPARE(cRows, (QStringList{path("c/empty") + "|0|0|0 byte  (0.00%)",
                                 path("c/folder") + "|1|2|15 byte  (1.50%)"}));
    QCOMPARE(row(2), (QStringList{path("d/other"), "0", "1", "1 byte  (分区大小未知)"}));
    for (int i = 0; i < 3; ++i) QVERIFY(!rows()->topLevelItem(i)->icon(0).isNull());

    QCOMPARE(page().countStatusLabel->text(), QStringLiteral("文件夹统计完成（用时：0.512秒）"));
    QCOMPARE(prompts->asked().size(), size_t(1));
    QCOMPARE(prompts->last().text, QStringLiteral("文件夹信息统计完成（用时：0.512秒）"));
    QCOMPARE(prompts->last().caption, QStringLiteral("提示"));
    QCOMPARE(prompts->last().icon, PromptIcon::Information);
    QCOMPARE(prompts->last().buttons, PromptButtons::Ok);
    QCOMPARE(prompts->last().owner, static_cast<QWidget*>(form.get()));
    QVERIFY(page().startCountCommand->isVisible());
    QVERIFY(!page().stopCountCommand->isVisible());

    // Only what is checked; entering the page again checks every row again.
    partitions->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QVERIFY(clickVisible(page().startCountCommand));
    QCOMPARE(rows()->topLevelItemCount(), 1);
    QCOMPARE(row(0).first(), path("d/other"));
    partitions->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    QVERIFY(clickVisible(page().startCountCommand));
    QCOMPARE(rows()->topLevelItemCount(), 0);
    QCOMPARE(prompts->asked().size(), size_t(3));
    QVERIFY(clickVisible(form->aboutButton));
    QVERIFY(clickVisible(form->folderStatsButton));
    QCOMPARE(page().checkedDriveNumbers(), (std::vector<int>{3, 4}));
  }

  void stopDuringTheSecondFolderKeepsTwoRowsAndNothingLater() {
    for (const char* name : {"c/one", "c/two", "c/three"}) {
      dir->writeFile(std::string(name) + "/file", "abc");
      dir->writeFile(std::string(name) + "/deeper/file", "abcdef");
    }
    dir->writeFile("d/later/file", "x");
    QVERIFY(clickVisible(form->folderStatsButton));
    int deeperFolders = 0;
    bool commandsSwapped = false;
    onFolder("deeper", [&] {
      if (++deeperFolders != 2) return;
      commandsSwapped = page().stopCountCommand->isVisible() &&
                        !page().startCountCommand->isVisible() &&
                        page().stopCountCommand->pos() == page().startCountCommand->pos();
      // A second start while counting does nothing.
      form->folderStatistics->startCount();
      QVERIFY(clickVisible(page().stopCountCommand));
    });
    QVERIFY(clickVisible(page().startCountCommand));
    QVERIFY(commandsSwapped);
    QCOMPARE(deeperFolders, 2);
    QCOMPARE(rows()->topLevelItemCount(), 2);
    QCOMPARE(row(0).mid(1, 3), (QStringList{"1", "2", "9 byte  (0.90%)"}));
    // The second folder's file and its sub-folder were counted before the stop.
    QCOMPARE(row(1).mid(1, 3), (QStringList{"1", "1", "3 byte  (0.30%)"}));
    // Stopping reports like a normal end.
    QCOMPARE(page().countStatusLabel->text(), QStringLiteral("文件夹统计完成（用时：0.000秒）"));
    QCOMPARE(prompts->asked().size(), size_t(1));
    QVERIFY(page().startCountCommand->isVisible());
  }

  void closingTheWindowStopsTheCountWithoutAMessage() {
    dir->writeFile("c/one/deeper/file", "x");
    dir->writeFile("c/two/deeper/file", "x");
    QVERIFY(clickVisible(form->folderStatsButton));
    onFolder("deeper", [&] { form->close(); });
    QVERIFY(clickVisible(page().startCountCommand));
    QCOMPARE(rows()->topLevelItemCount(), 1);
    QVERIFY(prompts->asked().empty());
    QVERIFY(!form->folderStatistics->running());
  }

  void statusLineKeepsTheFolderNameOfALongPath() {
    const QString folder = QStringLiteral("/very") + QString(QStringLiteral("/long")).repeated(60) +
                           QStringLiteral("/最后的文件夹/");
    page().showStatus(QStringLiteral("正在统计:") + folder);
    const QString shown = page().countStatusLabel->text();
    QVERIFY(shown.startsWith(QStringLiteral("正在统计:")));
    QVERIFY(shown.endsWith(QStringLiteral("/最后的文件夹/")));
    QVERIFY(shown.contains(QChar(0x2026)));
    QVERIFY(QFontMetrics(page().countStatusLabel->font()).horizontalAdvance(shown) <=
            page().countStatusLabel->width());
  }
};

QTEST_MAIN(FolderStatisticsTest)
#include "folder_statistics_test.moc"
