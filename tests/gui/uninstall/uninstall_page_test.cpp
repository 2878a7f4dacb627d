// The page "软件卸载" over fixture desktop entries, a fixture dpkg database and fixture
// uninstall programs: the list's order and names, "卸载" with its errors and the refresh at the
// uninstaller's end, "删除卸载信息" and the selection after it, and an uninstaller outliving the
// window.
#include "gui/uninstall/uninstall_page.h"

#include <QListWidget>
#include <QStackedWidget>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "gui/shell/main_window.h"
#include "gui/uninstall/uninstall_commands.h"
#include "gui/widgets/action_label.h"
#include "support/fixture_programs.h"
#include "support/gui/fake_platform.h"
#include "support/gui/gui_test_helpers.h"
#include "support/gui/scripted_prompts.h"
#include "support/temp_dir.h"

using namespace norvane;
using namespace norvane::test;

namespace fs = std::filesystem;

namespace {

// Fixture programs are shell scripts; a busy machine may take a while to start one.
constexpr int kWait = 20000;

QString entry(const QString& name, const QString& extra = {}) {
  return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\n%2").arg(name, extra);
}

}  // namespace

class UninstallPageTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  FakePlatform fakes;
  std::shared_ptr<ScriptedPrompts> prompts;
  std::unique_ptr<MainWindow> form;
  QListWidget* list = nullptr;

  std::string write(const std::string& relative, const QString& text) {
    return dir->writeFile(relative, text.toStdString());
  }
  std::string machineEntry(const std::string& name) {
    return *dir / ("share/applications/" + name);
  }

  QStringList names() const {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  void select(int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->currentRow(), row);
  }
  void openPage() {
    form->uninstallButton->click();
    QCOMPARE(form->functionPages->currentWidget(), form->uninstallPage);
  }
  QString lastReport() const { return prompts->asked().empty() ? QString() : prompts->last().text; }
  static QString missingProgramReport() {
    return QStringLiteral("System Error.  Code: %1.\r\n%2.")
        .arg(ENOENT)
        .arg(QString::fromLocal8Bit(std::strerror(ENOENT)));
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    // The current user's entries, one of them an exported Flatpak app.
    write("home/.local/share/applications/zz-notes.desktop", entry("Notes"));
    const std::string tool =
        write("flatpak-app/org.x.Tool.desktop", entry("Tool", "X-Flatpak=org.x.Tool\n"));
    const std::string exports =
        dir->makeDir("home/.local/share/flatpak/exports/share/applications");
    fs::create_symlink(tool, exports + "/org.x.Tool.desktop");
    // The machine's: two from Debian packages, a snap, one that menus never show.
    write("share/applications/alpha.desktop", entry("Alpha"));
    write("share/applications/editor.desktop",
          entry("Editor", QStringLiteral("Name[zh_CN]=编辑器\n")));
    write("share/applications/hidden.desktop", entry("Hidden", "NoDisplay=true\n"));
    write("share/applications/viewer.desktop", entry("Viewer", "X-SnapInstanceName=viewer\n"));
    dir->writeFile("dpkg/status",
                   "Package: alpha\nStatus: install ok installed\nArchitecture: all\n\n"
                   "Package: editor-pkg\nStatus: install ok installed\nArchitecture: all\n");
    dir->writeFile("dpkg/info/alpha.list", machineEntry("alpha.desktop") + "\n");
    dir->writeFile("dpkg/info/editor-pkg.list", machineEntry("editor.desktop") + "\n");
    dir->makeDir("bin");

    fakes = FakePlatform();
    fakes.volumes->add('C', {"/", 100LL << 30, 40LL << 30, "ROOT"});
    fakes.desktopEnvironment = desktopEnvironmentUnder(dir->path());
    fakes.packageDatabase = std::make_shared<DpkgDatabase>(*dir / "dpkg");
    fakes.processLauncher->programFolder = *dir / "bin";
    prompts = std::make_shared<ScriptedPrompts>();
    form = std::make_unique<MainWindow>(fakes.platform(), prompts);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    list = form->uninstallPage->programList;
  }

  void cleanup() {
    form.reset();
    dir.reset();
  }

  void listShowsEachRootReversedAndIsBuiltOnFirstShowOnly() {
    QCOMPARE(list->count(), 0);
    openPage();
    QCOMPARE(names(), (QStringList{"Notes", "Tool", "Viewer", "编辑器", "Alpha"}));
    QCOMPARE(list->currentRow(), 0);
    // Rows fit their text in whatever font stands in for 宋体.
    QVERIFY(list->visualItemRect(list->item(0)).height() >= list->fontMetrics().height());

    // Coming back to the page keeps what was built.
    write("share/applications/new.desktop", entry("New"));
    select(2);
    form->aboutButton->click();
    openPage();
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(prompts->asked().empty());
  }

  void uninstallRunsTheOwnersCommandAndRefreshesAtItsEnd() {
    // The package's removal takes its desktop file with it, waits to be let go, and fails:
    // the list is refreshed all the same.
    const std::string pkexec = writeRecordingScript(
        *dir, "bin/pkexec", 1,
        "while [ ! -e \"$0.release\" ]; do sleep 0.02; done\nrm " + machineEntry("editor.desktop"));
    openPage();
    select(3);
    form->uninstallPage->uninstallCommand->click();
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(pkexec + ".args"), kWait);
    QCOMPARE(test::readWholeFile(pkexec + ".args"), std::string("dpkg\n--remove\neditor-pkg\n"));
    QVERIFY(prompts->asked().empty());

    // A second start while it runs is refused through the error report and changes nothing.
    select(1);
    form->uninstallPage->uninstallCommand->click();
    QCOMPARE(prompts->asked().size(), std::size_t(1));
    QCOMPARE(prompts->last().text,
             QStringLiteral("Cannot perform this operation when process is running."));
    QCOMPARE(prompts->last().caption, QStringLiteral("Norvane磁盘清理"));
    QCOMPARE(prompts->last().icon, PromptIcon::Error);
    QCOMPARE(fakes.processLauncher->started.size(), std::size_t(1));

    select(3);
    dir->writeFile("bin/pkexec.release");
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 4, kWait);
    QCOMPARE(names(), (QStringList{"Notes", "Tool", "Viewer", "Alpha"}));
    QCOMPARE(list->currentRow(), 3);

    // The next uninstaller can start now: a user's Flatpak app.
    const std::string flatpak = writeRecordingScript(
        *dir, "bin/flatpak", 0,
        "rm " + dir->path() +
            "/home/.local/share/flatpak/exports/share/applications/org.x.Tool.desktop");
    select(1);
    form->uninstallPage->uninstallCommand->click();
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, kWait);
    QCOMPARE(test::readWholeFile(flatpak + ".args"),
             std::string("uninstall\n--user\n--noninteractive\norg.x.Tool\n"));
    QCOMPARE(names(), (QStringList{"Notes", "Viewer", "Alpha"}));
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(prompts->asked().size(), std::size_t(1));
  }

  void uninstallFailuresAreReportedAndChangeNothing() {
    openPage();
    // No owner, so no uninstall command; a snap on a machine without the snap program.
    for (int row : {0, 2}) {
      select(row);
      prompts->clear();
      form->uninstallPage->uninstallCommand->click();
      QCOMPARE(lastReport(), missingProgramReport());
      QCOMPARE(list->count(), 5);
      QCOMPARE(list->currentRow(), row);
    }
    QCOMPARE(fakes.processLauncher->started.back(),
             (std::vector<std::string>{"snap", "remove", "viewer"}));
    QVERIFY(!form->uninstallCommands->runner().waiting());
  }

  void deletionRemovesTheSelectedEntryOnlyAndKeepsThePlace() {
    openPage();
    select(2);
    form->uninstallPage->deleteUninstallInfoCommand->click();
    QVERIFY(!fs::exists(machineEntry("viewer.desktop")));
    QCOMPARE(names(), (QStringList{"Notes", "Tool", "编辑器", "Alpha"}));
    QCOMPARE(list->currentRow(), 2);

    // The last one: the first is selected after it.
    select(3);
    form->uninstallPage->deleteUninstallInfoCommand->click();
    QCOMPARE(names(), (QStringList{"Notes", "Tool", "编辑器"}));
    QCOMPARE(list->currentRow(), 0);

    // A Flatpak export goes as a link; the app's own file stays.
    select(1);
    form->uninstallPage->deleteUninstallInfoCommand->click();
    QCOMPARE(names(), (QStringList{"Notes", "编辑器"}));
    QVERIFY(fs::exists(*dir / "flatpak-app/org.x.Tool.desktop"));
    QVERIFY(fs::exists(machineEntry("hidden.desktop")));

    // Down to nothing: then nothing is selected, "卸载" fails and deleting does nothing.
    form->uninstallPage->deleteUninstallInfoCommand->click();
    form->uninstallPage->deleteUninstallInfoCommand->click();
    QCOMPARE(list->count(), 0);
    QCOMPARE(list->currentRow(), -1);
    QVERIFY(prompts->asked().empty());
    form->uninstallPage->deleteUninstallInfoCommand->click();
    QVERIFY(prompts->asked().empty());
    form->uninstallPage->uninstallCommand->click();
    QCOMPARE(lastReport(), missingProgramReport());
    QCOMPARE(fakes.processLauncher->started.back(), std::vector<std::string>{});
  }

  void closingTheWindowLeavesTheUninstallerRunning() {
    writeScript(*dir, "bin/pkexec",
                "while [ ! -e \"$0.release\" ]; do sleep 0.02; done\necho done > \"$0.done\"\n");
    openPage();
    select(4);
    form->uninstallPage->uninstallCommand->click();
    QTRY_VERIFY_WITH_TIMEOUT(form->uninstallCommands->runner().waiting(), kWait);
    form.reset();
    dir->writeFile("bin/pkexec.release");
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(*dir / "bin/pkexec.done"), kWait);
  }
};

QTEST_MAIN(UninstallPageTest)
#include "uninstall_page_test.moc"
