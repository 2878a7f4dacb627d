// The target pages "我的电脑", "临时文件夹", "常用文件夹" (rebuilt on entry, "增加文件夹") and the
// page "重启删除" (the queue, registering it and the restart question).
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>
#include <vector>

#include "gui/cleaning/add_entry_dialog.h"
#include "gui/cleaning/restart_queue_commands.h"
#include "gui/cleaning/scan_target_lists.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_page.h"
#include "gui/stats/stats_page.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/labeled_edit.h"
#include "support/gui/fake_platform.h"
#include "support/gui/modal.h"
#include "support/gui/scripted_prompts.h"
#include "support/recording_restart.h"

using namespace norvane;
using namespace norvane::test;

namespace {

class ShellFoldersWithSlash : public FakeShellFolders {
 public:
  std::string tempFolder() override { return "/var/tmp/"; }
  std::string specialFolder(int csidl) override {
    switch (csidl) {
      case CSIDL_INTERNET_CACHE:
        return "/home/u/.cache";
      case CSIDL_PERSONAL:
        return "/home/u/文档";
      case CSIDL_APPDATA:
        return "/home/u/.config";
      default:
        return {};
    }
  }
};

QStringList rowTexts(QTreeWidget* list, int column) {
  QStringList texts;
  for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(column);
  return texts;
}

bool allChecked(QTreeWidget* list) {
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    if (list->topLevelItem(i)->checkState(0) != Qt::Checked) return false;
  return true;
}

}  // namespace

class CleaningPagesTest : public QObject {
  Q_OBJECT

 private:
  FakePlatform fakes;
  std::shared_ptr<RecordingRestartDelete> restartDelete;
  std::shared_ptr<CountingPower> power;
  std::shared_ptr<ScriptedPrompts> prompts;
  std::unique_ptr<MainWindow> form;

  ActionLabel* label(const char* name) {
    return form->findChild<ActionLabel*>(QString::fromLatin1(name));
  }
  void enter(int infoPage) {
    form->infoPages->setCurrentIndex(StartPage::kDiskInfo);
    form->infoPages->setCurrentIndex(infoPage);
  }

 private slots:
  void init() {
    fakes = FakePlatform();
    fakes.shellFolders = std::make_shared<ShellFoldersWithSlash>();
    fakes.volumes->add('C', {"/", 100LL << 30, 40LL << 30, "ROOT"});
    fakes.volumes->add('D', {"/home/", 2048, 1024, ""});
    fakes.volumes->add('E', {"/media/cd/", 1, 1, "CD", "iso9660", false});
    fakes.volumes->add('F', {"/srv/", 0, 0, "", "xfs", true, false});
    restartDelete = std::make_shared<RecordingRestartDelete>();
    restartDelete->accept = false;  // a refusal must change nothing on the page
    power = std::make_shared<CountingPower>();
    prompts = std::make_shared<ScriptedPrompts>();
    Platform platform = fakes.platform();
    platform.restartDelete = restartDelete;
    platform.power = power;
    form = std::make_unique<MainWindow>(platform, prompts);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->fileCleaningButton->click();
  }
  void cleanup() { form.reset(); }

  void partitionListHasOneCheckedRowPerFixedDrive() {
    label("myComputerShortcut")->click();
    QTreeWidget* list = form->scanTargetLists->partitionList;
    QCOMPARE(form->infoPageHeading->text(), QStringLiteral("我的电脑"));
    QCOMPARE(rowTexts(list, 0), (QStringList{QStringLiteral("(/)ROOT"), QStringLiteral("(/home/)"),
                                             QStringLiteral("(/srv/)")}));
    QCOMPARE(rowTexts(list, 1),
             (QStringList{QStringLiteral("总大小:100.00 GB"), QStringLiteral("总大小:2.00 KB"),
                          QStringLiteral("总大小:-1 byte")}));
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("可用空间:40.00 GB"));
    QCOMPARE(list->topLevelItem(1)->data(0, Qt::UserRole).toInt(), 4);
    QVERIFY(allChecked(list));

    // Leaving the page and coming back checks every row again.
    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    label("partitionBackCommand")->click();
    label("myComputerShortcut")->click();
    QVERIFY(allChecked(list));

    // The folder statistics' partition list is filled the same way.
    form->folderStatsButton->click();
    QCOMPARE(form->statsPage->countPartitionList->topLevelItemCount(), 3);
  }

  void folderListsHoldTheirFixedRows() {
    enter(StartPage::kTempFolders);
    QTreeWidget* temp = form->scanTargetLists->tempFolderList;
    QCOMPARE(rowTexts(temp, 0),
             (QStringList{QStringLiteral("/var/tmp"), QStringLiteral("/home/u/.cache"), QString(),
                          QStringLiteral("/usr/Prefetch")}));
    QCOMPARE(rowTexts(temp, 1),
             (QStringList{QStringLiteral("临时文件夹"), QStringLiteral("IE临时文件夹"),
                          QStringLiteral("IE Cookies"), QStringLiteral("预存取文件夹")}));
    QVERIFY(allChecked(temp));

    enter(StartPage::kCommonFolders);
    QTreeWidget* common = form->scanTargetLists->commonFolderList;
    QCOMPARE(rowTexts(common, 0),
             (QStringList{QStringLiteral("/usr"), QStringLiteral("/opt"),
                          QStringLiteral("/home/u/文档"), QStringLiteral("/home/u/.config")}));
    QCOMPARE(common->topLevelItem(3)->text(1), QStringLiteral("应用数据文件夹"));
    QVERIFY(allChecked(common));
  }

  void addedFolderIsTheLastRowUntilThePageIsEnteredAgain() {
    enter(StartPage::kCommonFolders);
    QTreeWidget* common = form->scanTargetLists->commonFolderList;
    whenModal<AddEntryDialog>([this](AddEntryDialog* add) {
      QCOMPARE(add->captionLabel->text(), QStringLiteral("增加文件夹"));
      QCOMPARE(add->upperEdit->fieldCaption->text(), QStringLiteral("文件夹："));
      QCOMPARE(add->lowerEdit->fieldCaption->text(), QStringLiteral("描述："));
      QVERIFY(add->browseButton->isVisible());
      QCOMPARE(add->upperEdit->geometry().right() + 1, add->browseButton->x());
      add->upperEdit->setText(QStringLiteral("typed"));
      add->browseButton->click();  // cancelled: the field keeps its text
      QCOMPARE(add->upperEdit->text(), QStringLiteral("typed"));
      QCOMPARE(prompts->last().caption, QStringLiteral("选择文件夹"));
      prompts->chooseFolder(QStringLiteral("/data/x y"));
      add->browseButton->click();
      add->lowerEdit->setText(QStringLiteral(" mine "));
      add->okButton->click();
    });
    label("addFolderCommand")->click();
    whenModal<AddEntryDialog>([](AddEntryDialog* add) { add->cancelButton->click(); });
    label("addFolderCommand")->click();
    whenModal<AddEntryDialog>([](AddEntryDialog* add) { add->closeButton->click(); });
    label("addFolderCommand")->click();
    whenModal<AddEntryDialog>([](AddEntryDialog* add) { add->okButton->click(); });
    label("addFolderCommand")->click();

    QCOMPARE(common->topLevelItemCount(), 6);
    QCOMPARE(common->topLevelItem(4)->text(0), QStringLiteral("/data/x y"));
    QCOMPARE(common->topLevelItem(4)->text(1), QStringLiteral(" mine "));
    QCOMPARE(common->topLevelItem(5)->text(0), QString());
    QVERIFY(allChecked(common));

    enter(StartPage::kCommonFolders);
    QCOMPARE(common->topLevelItemCount(), 4);
  }

  void restartQueueRegistersEveryRowAndAsksOnlyWhenThereAreRows() {
    label("restartDeleteShortcut")->click();
    QTreeWidget* queue = form->restartQueueCommands->queueList;
    label("deleteAtRestartCommand")->click();
    QVERIFY(prompts->asked().empty());

    prompts->chooseFiles({QStringLiteral("/tmp/a b.tmp")});
    prompts->chooseFiles({QStringLiteral("/tmp/a b.tmp")});
    for (int i = 0; i < 3; ++i) label("addFileCommand")->click();  // the third is cancelled
    QCOMPARE(prompts->last().caption, QStringLiteral("选择文件"));
    QCOMPARE(prompts->last().text, QStringLiteral("所有文件|*.*"));
    QCOMPARE(queue->topLevelItemCount(), 2);

    prompts->clear();
    prompts->answer(PromptAnswer::No);
    label("deleteAtRestartCommand")->click();
    QCOMPARE(restartDelete->paths, (std::vector<std::string>(2, "/tmp/a b.tmp")));
    QCOMPARE(prompts->asked().size(), size_t(1));
    QCOMPARE(prompts->last().text,
             QStringLiteral("建议您关闭其他正在运行的程序，立即重新启动计算机。"
                            "\r\n\r\n您现在是否立即重新启动？"));
    QCOMPARE(prompts->last().caption, QStringLiteral("提示"));
    QCOMPARE(prompts->last().icon, PromptIcon::Question);
    QCOMPARE(prompts->last().buttons, PromptButtons::YesNo);
    QCOMPARE(power->restarts, 0);
    QVERIFY(form->isVisible());
    QCOMPARE(queue->topLevelItemCount(), 2);

    // "取消" removes the selected row only.
    queue->clearSelection();
    label("removeFileCommand")->click();
    QCOMPARE(queue->topLevelItemCount(), 2);
    queue->topLevelItem(1)->setSelected(true);
    label("removeFileCommand")->click();
    QCOMPARE(queue->topLevelItemCount(), 1);

    // Yes restarts and ends the program, even when the restart is refused.
    prompts->answer(PromptAnswer::Yes);
    label("deleteAtRestartCommand")->click();
    QCOMPARE(restartDelete->paths.size(), size_t(3));
    QCOMPARE(power->restarts, 1);
    QVERIFY(!form->isVisible());
  }
};

QTEST_MAIN(CleaningPagesTest)
#include "cleaning_pages_test.moc"
