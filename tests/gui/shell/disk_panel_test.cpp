// The disk and recycle-bin panel over fake drives and a fake trash.
#include "gui/shell/disk_panel.h"

#include <QChartView>
#include <QLabel>
#include <QLinearGradient>
#include <QPieSeries>
#include <QPieSlice>
#include <QTest>
#include <memory>

#include "core/shared/size_text.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/image_list.h"
#include "support/gui/fake_platform.h"
#include "support/gui/scripted_prompts.h"

using namespace norvane;
using namespace norvane::test;

namespace {

constexpr std::int64_t kGiB = 1LL << 30;

QString sizeText(std::int64_t n) { return QString::fromStdString(ConFileSize(n)); }

QColor firstColour(const QPieSlice* slice) {
  const QGradient* g = slice->brush().gradient();
  return g != nullptr ? g->stops().front().second : slice->brush().color();
}

}  // namespace

class DiskPanelTest : public QObject {
  Q_OBJECT

 private:
  ImageList images;
  FakePlatform fakes;
  std::shared_ptr<ScriptedPrompts> prompts;
  std::unique_ptr<DiskPanel> panel;

  QList<QPieSlice*> slices() const { return panel->diskSeries->slices(); }

 private slots:
  void init() {
    fakes = FakePlatform();
    prompts = std::make_shared<ScriptedPrompts>();
    panel = std::make_unique<DiskPanel>(fakes.platform(), prompts, images);
  }
  void cleanup() { panel.reset(); }

  void designTexts() {
    QCOMPARE(panel->diskSeries->name(), QStringLiteral("硬盘使用情况"));
    QCOMPARE(panel->systemPartitionLabel->text(), QStringLiteral("系统分区"));
    QCOMPARE(panel->recycleBinLabel->text(), QStringLiteral("获取回收站信息"));
    QCOMPARE(panel->emptyRecycleBinCommand->text(), QStringLiteral("清空回收站"));
  }

  void withoutFixedDrivesBothSlicesAreZero() {
    panel->showDiskSpace();
    QCOMPARE(panel->chartFooter(), QStringLiteral("()总计容量:0.00 GB"));
    QCOMPARE(slices().size(), 2);
    QCOMPARE(slices()[0]->value(), 0.0);
    QCOMPARE(slices()[1]->value(), 0.0);
    QCOMPARE(slices()[0]->label(), QStringLiteral("0.00 GB 已用空间"));
    QCOMPARE(slices()[1]->label(), QStringLiteral("0.00 GB 剩余空间"));
  }

  void oneDriveNamedAloneWithRoundedSlices() {
    // 100.1149... GiB in all, 40.004... GiB free.
    fakes.volumes->add('C', {"/", 100 * kGiB + 123456789, 40 * kGiB + 4567890, "ROOT", "ext4"});
    panel->showDiskSpace();
    QCOMPARE(panel->chartFooter(), QStringLiteral("(C)总计容量:100.11 GB"));
    QCOMPARE(slices().size(), 2);
    QCOMPARE(slices()[0]->value(), 60.11);
    QCOMPARE(slices()[1]->value(), 40.0);
    QCOMPARE(slices()[0]->label(), QStringLiteral("60.11 GB 已用空间"));
    QCOMPARE(slices()[1]->label(), QStringLiteral("40.00 GB 剩余空间"));
    QCOMPARE(firstColour(slices()[0]), QColor(0, 0, 255));
    QCOMPARE(firstColour(slices()[1]), QColor(181, 255, 181));
    QCOMPARE(panel->systemPartitionLabel->text(), QStringLiteral("系统分区：(/)ROOT"));
    QCOMPARE(panel->fileSystemLabel->text(), QStringLiteral("文件系统：ext4"));
  }

  void systemPartitionIsTheDriveOfTheWindowsFolder() {
    fakes.volumes->add('C', {"/", 50 * kGiB, 10 * kGiB, "ROOT", "ext4"});
    fakes.volumes->add('D', {"/srv/data/", 200 * kGiB, 150 * kGiB, "DATA", "xfs"});
    fakes.shellFolders->windows = "/srv/data/usr";
    panel->showDiskSpace();
    QCOMPARE(panel->systemPartitionLabel->text(), QStringLiteral("系统分区：(/srv/data/)DATA"));
    QCOMPARE(panel->fileSystemLabel->text(), QStringLiteral("文件系统：xfs"));
    QCOMPARE(panel->totalSizeLabel->text(), QStringLiteral("总 大 小：") + sizeText(200 * kGiB));
    QCOMPARE(panel->freeSpaceLabel->text(), QStringLiteral("可用空间：") + sizeText(150 * kGiB));
    // The chart still covers every fixed drive, in letter order.
    QCOMPARE(panel->chartFooter(), QStringLiteral("(C,D)总计容量:250.00 GB"));
    QCOMPARE(slices()[0]->value(), 90.0);
    QCOMPARE(slices()[1]->value(), 160.0);
  }

  void drivesThatAreNotFixedAreLeftOut() {
    fakes.volumes->add('C', {"/", 10 * kGiB, 5 * kGiB, "ROOT"});
    FakeDrive removable{"/media/stick/", 8 * kGiB, 8 * kGiB, "STICK"};
    removable.fixed = false;
    fakes.volumes->add('E', removable);
    panel->showDiskSpace();
    QCOMPARE(panel->chartFooter(), QStringLiteral("(C)总计容量:10.00 GB"));
  }

  void anUnreadableDriveCountsMinusOneByte() {
    fakes.volumes->add('C', {"/", 2 * kGiB, kGiB, "ROOT"});
    FakeDrive broken{"/mnt/gone/", 0, 0, "GONE"};
    broken.readable = false;
    fakes.volumes->add('D', broken);
    fakes.shellFolders->windows = "/mnt/gone/usr";
    panel->showDiskSpace();
    QCOMPARE(panel->chartFooter(), QStringLiteral("(C,D)总计容量:2.00 GB"));
    QCOMPARE(slices()[0]->value(), 1.0);
    QCOMPARE(panel->systemPartitionLabel->text(), QStringLiteral("系统分区：(/mnt/gone/)"));
    QCOMPARE(panel->totalSizeLabel->text(), QStringLiteral("总 大 小：-1 byte"));
    QCOMPARE(panel->freeSpaceLabel->text(), QStringLiteral("可用空间：-1 byte"));
  }

  void aWindowsFolderOnNoDriveShowsEmptyParentheses() {
    fakes.volumes->add('C', {"/", 10 * kGiB, 5 * kGiB, "ROOT"});
    fakes.shellFolders->windows = "";
    panel->showDiskSpace();
    // No drive part; the helpers then answer for drive C.
    QCOMPARE(panel->systemPartitionLabel->text(), QStringLiteral("系统分区：()ROOT"));
  }

  void recycleBinLine_data() {
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("result");
    QTest::addColumn<qint64>("items");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cannot query") << false << 0 << qint64(3) << qint64(10) << "无法获取回收站信息";
    QTest::newRow("query fails") << true << 5 << qint64(3) << qint64(10) << "获取回收站信息错误";
    QTest::newRow("empty with a size") << true << 0 << qint64(0) << qint64(4096) << "回 收 站：空";
    QTest::newRow("items of no size")
        << true << 0 << qint64(3) << qint64(0) << "回收站共3个项目,0 byte";
    QTest::newRow("items") << true << 0 << qint64(12) << qint64(3690987)
                           << "回收站共12个项目,3.52 MB";
  }
  void recycleBinLine() {
    QFETCH(bool, available);
    QFETCH(int, result);
    QFETCH(qint64, items);
    QFETCH(qint64, size);
    QFETCH(QString, expected);
    fakes.trash->isAvailable = available;
    fakes.trash->queryResult = result;
    fakes.trash->contents = {size, items};
    panel->showRecycleBin();
    QCOMPARE(panel->recycleBinLabel->text(), expected);
  }

  void emptyingReportsSuccessThenRefreshes() {
    fakes.trash->contents = {2048, 2};
    panel->emptyRecycleBinAndReport();
    QCOMPARE(fakes.trash->emptied, 1);
    QCOMPARE(int(prompts->asked().size()), 1);
    const AskedPrompt& box = prompts->last();
    QCOMPARE(box.text, QStringLiteral("回收站清理成功！"));
    QCOMPARE(box.caption, QStringLiteral("提示"));
    QCOMPARE(box.icon, PromptIcon::Information);
    QCOMPARE(box.buttons, PromptButtons::Ok);
    QCOMPARE(box.owner, panel->window());
    QCOMPARE(panel->recycleBinLabel->text(), QStringLiteral("回 收 站：空"));
  }

  void emptyingReportsFailureByTheResultAlone() {
    fakes.trash->contents = {0, 0};
    fakes.trash->emptyResult = 1;
    panel->emptyRecycleBinAndReport();
    QCOMPARE(prompts->last().text, QStringLiteral("回收站清理失败！"));
    QCOMPARE(prompts->last().caption, QStringLiteral("提示"));
    QCOMPARE(prompts->last().icon, PromptIcon::Error);
    QCOMPARE(fakes.trash->queries, 1);
    QCOMPARE(panel->recycleBinLabel->text(), QStringLiteral("回 收 站：空"));
  }

  void emptyingWhereTheBinsCannotBeReachedFails() {
    fakes.trash->isAvailable = false;
    panel->emptyRecycleBinAndReport();
    QCOMPARE(fakes.trash->emptied, 0);
    QCOMPARE(int(prompts->asked().size()), 1);
    QCOMPARE(prompts->last().text, QStringLiteral("回收站清理失败！"));
    QCOMPARE(panel->recycleBinLabel->text(), QStringLiteral("无法获取回收站信息"));
  }
};

QTEST_MAIN(DiskPanelTest)
#include "disk_panel_test.moc"
