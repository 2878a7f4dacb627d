// The file-list dialog on its own: the list model, check all / invert, and deletion runs over
// files in a temporary folder (empty list, twice "全部删除", 150 checked rows, files that vanish
// half-way, a refused registration for the next start).
#include "gui/cleaning/file_list_dialog.h"

#include <sys/stat.h>

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <set>

#include "core/shared/size_text.h"
#include "gui/cleaning/found_file_model.h"
#include "gui/widgets/action_label.h"
#include "platform/posix/posix_file_ops.h"
#include "support/gui/scripted_prompts.h"
#include "support/recording_restart.h"
#include "support/temp_dir.h"

using namespace norvane;
using namespace norvane::test;
using Status = FoundFileModel::Status;

namespace {

// Real deletion, except that chosen files disappear right after their presence test.
class VanishingFileOps : public FileOps {
 public:
  PosixFileOps real{"/proc", std::chrono::milliseconds(0)};
  std::set<std::string> vanishing;

  bool fileExists(const ScannedFile& file) override { return real.fileExists(file); }
  int fileSize(const ScannedFile& file, std::int64_t& size) override {
    return vanishing.count(file.path()) != 0 ? ENOENT : real.fileSize(file, size);
  }
  DeleteOutcome deleteFile(const ScannedFile& file) override { return real.deleteFile(file); }
  DeleteOutcome previewDelete(const ScannedFile& file) override { return real.previewDelete(file); }
};

FileIdentity identityOf(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return {};
  return FileIdentity{st.st_dev, st.st_ino};
}

bool present(const std::string& path) { return identityOf(path).known(); }

// A DOS date-time: 2008-06-23 17:10:24.
constexpr std::int32_t kSampleTime = ((28 << 9 | 6 << 5 | 23) << 16) | (17 << 11 | 10 << 5 | 12);

}  // namespace

class FileListDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::shared_ptr<VanishingFileOps> fileOps;
  std::shared_ptr<RecordingRestartDelete> restartDelete;
  std::shared_ptr<ScriptedPrompts> prompts;
  CleaningSettings settings;
  std::unique_ptr<FileListDialog> form;

  // Lists a file of `bytes` bytes in the temporary folder, as a scan finds it.
  void listFile(const std::string& name, std::size_t bytes) {
    const std::string path = dir->writeFile(name, std::string(bytes, 'x'));
    form->model().append(dir->path() + "/", name, static_cast<std::int64_t>(bytes), kSampleTime,
                         identityOf(dir->path()), identityOf(path));
  }

  QString timeColumn(int row) {
    return form->model().index(row, FoundFileModel::kTimeColumn).data().toString();
  }

  QString lastMessage() { return prompts->asked().empty() ? QString() : prompts->last().text; }

  static QString freedMessage(std::int64_t bytes) {
    return QStringLiteral("文件清理完成，共释放%1磁盘空间。")
        .arg(QString::fromStdString(ConFileSize(bytes)));
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    fileOps = std::make_shared<VanishingFileOps>();
    restartDelete = std::make_shared<RecordingRestartDelete>();
    prompts = std::make_shared<ScriptedPrompts>();
    settings = defaultCleaningSettings();
    form = std::make_unique<FileListDialog>(fileOps, restartDelete, prompts,
                                            [this] { return settings; });
  }

  void cleanup() {
    form.reset();
    dir.reset();
  }

  void looksLikeTheFileListAndHidesOnClose() {
    QCOMPARE(form->size(), QSize(675, 529));
    QCOMPARE(form->captionLabel->text(), QStringLiteral("文件列表"));
    const QStringList headers = {"文件", "位置", "大小", "修改时间"};
    int total = 0;
    for (int c = 0; c < 4; ++c) {
      QCOMPARE(form->model().headerData(c, Qt::Horizontal).toString(), headers[c]);
      total += form->fileTable->columnWidth(c);
    }
    QCOMPARE(form->fileTable->columnWidth(0), 100);
    QCOMPARE(form->fileTable->columnWidth(2), 80);
    QCOMPARE(total, 620);
    // A full date and time fits its column whatever the font.
    QVERIFY(form->fileTable->columnWidth(3) >= form->fileTable->fontMetrics().horizontalAdvance(
                                                   QStringLiteral("2026/12/31 23:59:59")));
    QCOMPARE(form->fileTable->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!form->deletionProgress->isVisible());

    listFile("a.tmp", 3);
    form->show();
    form->closeButton->click();
    QVERIFY(!form->isVisible());
    QCOMPARE(form->model().size(), 1);  // the list stays
  }

  void rowsShowTheirTextsAndChecksFlip() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    listFile("a.tmp", 1500);
    form->model().append(dir->path() + "/", "midnight.log", 0, (28 << 9 | 6 << 5 | 23) << 16, {},
                         {});
    form->model().publishPending();
    QAbstractItemModel& m = form->model();
    QCOMPARE(m.index(0, 0).data().toString(), QStringLiteral("a.tmp"));
    QCOMPARE(m.index(0, 1).data().toString(), QString::fromStdString(dir->path() + "/"));
    QCOMPARE(m.index(0, 2).data().toString(), QStringLiteral("1.46 KB"));
    QCOMPARE(timeColumn(0), QStringLiteral("2008/6/23 17:10:24"));
    QCOMPARE(timeColumn(1), QStringLiteral("2008/6/23"));  // midnight: date only
    QCOMPARE(m.index(1, 2).data().toString(), QStringLiteral("0 byte"));
    QLocale::setDefault(QLocale::system());

    QCOMPARE(m.index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY(m.setData(m.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    form->invertChecksCommand->click();  // invert
    QVERIFY(form->model().isChecked(0));
    QVERIFY(!form->model().isChecked(1));
    form->checkAllCommand->click();  // check all
    QVERIFY(form->model().isChecked(0) && form->model().isChecked(1));
    QVERIFY(!prompts->asked().size());  // neither deletes anything
  }

  void manyRowsArriveInOneInsertAndStayCompact() {
    QSignalSpy inserted(&form->model(), &QAbstractItemModel::rowsInserted);
    const int rows = 100000;
    for (int i = 0; i < rows; ++i)
      form->model().append("/data/folder" + std::to_string(i / 50) + "/",
                           "file_" + std::to_string(i) + ".tmp", i, kSampleTime,
                           FileIdentity{64769, 1000u + i / 50}, FileIdentity{64769, 5000u + i});
    QCOMPARE(form->model().rowCount(), 0);  // not yet told
    QCoreApplication::processEvents();
    QCOMPARE(form->model().rowCount(), rows);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(form->model().path(rows - 1), std::string("/data/folder1999/file_99999.tmp"));
    QVERIFY2(form->model().memoryBytes() / rows <= 300,
             qPrintable(QString::number(form->model().memoryBytes() / rows)));
    form->model().clear();
    QCOMPARE(form->model().rowCount(), 0);
    QVERIFY(form->model().memoryBytes() < 1024);
  }

  void emptyListStillReportsTheFreedSize() {
    form->deleteAllCommand->click();
    QCOMPARE(lastMessage(), freedMessage(0));
    QCOMPARE(prompts->last().caption, QStringLiteral("提示"));
    QCOMPARE(prompts->last().icon, PromptIcon::Information);
    QCOMPARE(prompts->last().owner, form.get());
  }

  void deleteAllTwiceThenEveryRowIsMissing() {
    listFile("one.tmp", 100);
    listFile("two.tmp", 2048);
    form->deleteAllCommand->click();  // unchecked rows go too
    QCOMPARE(timeColumn(0), QStringLiteral("删除成功"));
    QCOMPARE(timeColumn(1), QStringLiteral("删除成功"));
    QCOMPARE(form->freedBytes, std::int64_t(2148));
    QCOMPARE(form->currentFileBytes, std::int64_t(2048));
    QCOMPARE(form->deletionProgress->maximum(), 2);
    QVERIFY(!form->deletionProgress->isVisible());
    QCOMPARE(lastMessage(), freedMessage(2148));
    QVERIFY(!present(dir->path() + "/one.tmp"));

    form->deleteAllCommand->click();
    QCOMPARE(timeColumn(0), QStringLiteral("文件不存在"));
    QCOMPARE(timeColumn(1), QStringLiteral("文件不存在"));
    QCOMPARE(lastMessage(), freedMessage(0));
    QCOMPARE(form->model().size(), 2);  // rows are never removed
  }

  void checkedRunsStepAHundredAndTouchOnlyCheckedOrMissingRows() {
    for (int i = 0; i < 150; ++i) listFile("f" + std::to_string(i) + ".tmp", 10);
    listFile("unchecked.tmp", 10);
    listFile("unchecked-gone.tmp", 10);
    form->model().publishPending();
    form->checkAllCommand->click();
    form->model().setChecked(150, false);
    form->model().setChecked(151, false);
    std::remove((dir->path() + "/unchecked-gone.tmp").c_str());
    // The size shown is the scan's; the deletion counts what is on disk now.
    dir->writeFile("f0.tmp", std::string(25, 'y'));

    form->deleteCheckedCommand->click();
    QCOMPARE(form->deletionProgress->maximum(), 100);
    QCOMPARE(form->deletionProgress->value(), 100);
    QCOMPARE(form->freedBytes, std::int64_t(149 * 10 + 25));
    QCOMPARE(timeColumn(149), QStringLiteral("删除成功"));
    QCOMPARE(form->model().status(150), Status::None);  // unchecked and present: untouched
    QCOMPARE(timeColumn(151), QStringLiteral("文件不存在"));
    QVERIFY(present(dir->path() + "/unchecked.tmp"));
  }

  void vanishedFilesAndRefusedRegistrationsGetTrueStatuses() {
    listFile("vanishing.tmp", 10);
    listFile("locked.tmp", 10);
    listFile("after.tmp", 10);
    fileOps->vanishing.insert(dir->path() + "/vanishing.tmp");
    ::chmod((dir->path() + "/locked.tmp").c_str(), 0444);  // read-only: refused like on Windows
    restartDelete->accept = false;

    form->deleteAllCommand->click();
    // The run goes past a file that vanished after its presence test.
    QCOMPARE(timeColumn(0), QStringLiteral("文件不存在"));
    // A registration the system refused is no deletion at the next start.
    QCOMPARE(timeColumn(1), QStringLiteral("删除失败"));
    QCOMPARE(restartDelete->paths, std::vector<std::string>{dir->path() + "/locked.tmp"});
    QCOMPARE(timeColumn(2), QStringLiteral("删除成功"));
    QCOMPARE(lastMessage(), freedMessage(10));

    restartDelete->accept = true;
    form->deleteAllCommand->click();
    QCOMPARE(timeColumn(1), QStringLiteral("重启删除"));
    settings.options.deleteAtRestart = false;  // no registration
    form->deleteAllCommand->click();
    QCOMPARE(timeColumn(1), QStringLiteral("删除失败"));
    QCOMPARE(restartDelete->paths.size(), std::size_t(2));
  }
};

QTEST_MAIN(FileListDialogTest)
#include "file_list_dialog_test.moc"
