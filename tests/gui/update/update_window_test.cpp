#include "gui/update/update_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "core/update/fake_process_control.h"
#include "core/update/update_fixture.h"
#include "gui/update/update_texts.h"
#include "gui/update/web_site_opener.h"
#include "gui/widgets/maker.h"
#include "gui/widgets/qt_event_loop.h"
#include "platform/posix/curl_http_client.h"
#include "platform/posix/posix_file_moves.h"
#include "support/gui/fake_platform.h"
#include "tools/upgrader/child_process.h"

namespace norvane {
namespace {

class RecordingOpener : public WebSiteOpener {
 public:
  QStringList opened;
  void open(const QString& address) override { opened << address; }
};

class RealClock : public SystemInfo {
 public:
  bool isNtFamily() override { return true; }
  std::uint32_t tickCount() override {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
  }
  void trimWorkingSet() override {}
};

class TempFolders : public test::FakeShellFolders {
 public:
  explicit TempFolders(std::string temp) : temp_(std::move(temp)) {}
  std::string tempFolder() override { return temp_; }

 private:
  std::string temp_;
};

// One window over a real update component, a local server and a program folder.
struct Setup {
  Setup() : folders(dir.makeDir("tmp")) {
    processes.executable = dir.makeDir("app") + "/norvane";
    dir.writeFile("app/update.pub", key.publicKeyText());
    dir.writeFile("app/a.txt", "old a");
    upgrader = std::make_unique<Upgrader>(
        UpdateServices{http, files, folders, clock, events, processes}, companion);
    window = std::make_unique<UpdateWindow>(*upgrader, opener);
  }

  template <typename T>
  T* child(const char* name) {
    return window->findChild<T*>(QLatin1String(name));
  }
  bool fits(const char* label) {
    QLabel* l = child<QLabel>(label);
    return l->sizeHint().width() <= l->width();
  }

  test::TempDir dir;
  test::SigningKey key;
  test::LocalServer server;
  CurlHttpClient http{HttpLimits{5, 5}};
  PosixFileMoves files;
  TempFolders folders;
  RealClock clock;
  QtEventLoop events;
  test::FakeProcessControl processes;
  std::string companion = "companion";
  RecordingOpener opener;
  std::unique_ptr<Upgrader> upgrader;
  std::unique_ptr<UpdateWindow> window;
};

class UpdateWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void texts() {
    QCOMPARE(SecondsToText(59), QStringLiteral("59秒钟"));
    QCOMPARE(SecondsToText(60), QStringLiteral(" 1分钟 0秒钟"));
    QCOMPARE(SecondsToText(65), QStringLiteral(" 1分钟 5秒钟"));
    QCOMPARE(SecondsToText(3600), QStringLiteral("1小时 0分钟 0秒钟"));
    QCOMPARE(SecondsToText(3725), QStringLiteral("1小时 2分钟 5秒钟"));
    QCOMPARE(SecondsToText(4294967295u), QStringLiteral("1193046小时28分钟15秒钟"));
    QCOMPARE(sizeText(2048, 0), QStringLiteral("大小：3KB  已完成：1KB"));
    QCOMPARE(sizeText(1024, 1023), QStringLiteral("大小：2KB  已完成：1KB"));
    QCOMPARE(speedText(12, 65), QStringLiteral("当前速度:12KB/秒  剩余时间: 1分钟 5秒钟"));
    QCOMPARE(speedText(0, 4294967295u), QStringLiteral("当前速度:0KB/秒  剩余时间:未知"));
    QCOMPARE(downloadingText(QStringLiteral("/opt/n/新文件.dat")),
             QStringLiteral("正在下载：新文件.dat"));
  }

  void looksAsDesigned() {
    Setup s;
    QCOMPARE(s.window->windowTitle(), QStringLiteral("在线更新"));
    QCOMPARE(s.window->size(), QSize(392, 110));
    QVERIFY(s.window->isModal());
    QCOMPARE(s.window->palette().color(QPalette::Window), QColor(173, 211, 181));
    QCOMPARE(s.child<QLabel>("checkingLabel")->text(), QStringLiteral("正在检测更新………请稍等！"));
    QVERIFY(s.child<QLabel>("checkingLabel")->font().bold());
    QCOMPARE(s.child<QLabel>("checkingLabel")->font().pixelSize(), 14);
    QCOMPARE(s.child<QLabel>("noUpdateLabel")->text(),
             QStringLiteral("未检测到有升级文件，可能存在以下原因："));
    QCOMPARE(s.child<QLabel>("upToDateReason")->text(), QStringLiteral("·您使用的已经是最新版本"));
    QCOMPARE(s.child<QLabel>("offlineReason")->text(), QStringLiteral("·您未连接到网上"));
    QCOMPARE(s.child<QPushButton>("cancelButton")->text(), QStringLiteral("取消"));
    QCOMPARE(s.child<QProgressBar>("progressBar")->size(), QSize(349, 17));
    QCOMPARE(s.child<QProgressBar>("progressBar")->maximum(), 100);
    QCOMPARE(s.child<QTimer>("checkTimer")->interval(), 1000);
    QVERIFY(!s.child<QTimer>("checkTimer")->isActive());
    for (const char* label :
         {"checkingLabel", "noUpdateLabel", "upToDateReason", "offlineReason"}) {
      QVERIFY2(s.fits(label), label);
    }
    QCOMPARE(s.upgrader->versionAsNumber, 1);
    QCOMPARE(s.upgrader->versionAsDateTime, 39397.12686739583);
  }

  void noUpdateShowsItsPageAndTheWebSiteOpensOnClose() {
    Setup s;
    s.upgrader->updateInfoUrl = "http://127.0.0.1:9/updata.txt";
    s.window->show();
    QCOMPARE(s.window->currentPage(), int(UpdateWindow::CheckingPage));
    QVERIFY(s.child<QTimer>("checkTimer")->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(s.window->currentPage(), int(UpdateWindow::NoUpdatePage), 8000);
    QVERIFY(s.child<QLabel>("upToDateReason")->isVisible());
    QVERIFY(!s.child<QLabel>("offlineReason")->isVisible());
    QCOMPARE(s.child<QPushButton>("cancelButton")->text(), QStringLiteral("关闭"));
    QVERIFY(s.opener.opened.isEmpty());
    QTest::mouseClick(s.child<QPushButton>("cancelButton"), Qt::LeftButton);
    QVERIFY(!s.window->isVisible());
    QCOMPARE(s.window->result(), int(QDialog::Accepted));
    QCOMPARE(s.opener.opened, QStringList{kMakerWebSite});
  }

  void closingWhileCheckingOpensNothing() {
    Setup s;
    s.upgrader->updateInfoUrl = "http://127.0.0.1:9/updata.txt";
    s.window->show();
    s.window->close();
    QVERIFY(!s.window->isVisible());
    QTest::qWait(1300);
    QCOMPARE(s.window->currentPage(), int(UpdateWindow::CheckingPage));
    QVERIFY(s.opener.opened.isEmpty());
  }

  void aCompleteDownloadHandsOver() {
    Setup s;
    s.upgrader->updateInfoUrl =
        test::publishUpdate(s.server, s.key, 2,
                            {{"%App%/a.txt", "new a", "/f/a.txt"},
                             {"%App%/新/大文件.bin", std::string(300000, 'z'), "/f/big"}});
    s.window->show();
    QTRY_VERIFY_WITH_TIMEOUT(!s.processes.started.empty(), 10000);
    QCOMPARE(s.window->currentPage(), int(UpdateWindow::DownloadPage));
    QCOMPARE(s.child<QLabel>("currentFileLabel")->text(), QStringLiteral("正在下载：大文件.bin"));
    QCOMPARE(s.child<QLabel>("sizeLabel")->text(), QStringLiteral("大小：293KB  已完成：293KB"));
    QCOMPARE(s.child<QProgressBar>("progressBar")->value(), 100);
    QVERIFY(s.child<QLabel>("speedLabel")->text().startsWith(QStringLiteral("当前速度:")));
    for (const char* label : {"currentFileLabel", "sizeLabel", "speedLabel"}) {
      QVERIFY2(s.fits(label), label);
    }
    QCOMPARE(s.processes.started[0].args[0], std::string("norvane"));
  }

  void cancelDuringADownloadUndoesItAndClosesWhenTheRunHasReturned() {
    Setup s;
    s.upgrader->updateInfoUrl =
        test::publishUpdate(s.server, s.key, 2,
                            {{"%App%/a.txt", "new a", "/f/a.txt"},
                             {"%App%/sub/b.bin", std::string(100000, 'b'), "/f/b"}});
    s.server.serveSlowly("/f/b", std::string(100000, 'b'), 500, 20);
    // The clicks arrive while the run pumps messages inside a download.
    bool visibleAfterClose = false;
    int progressAtClick = -1;
    QTimer::singleShot(1800, [&] {
      // The title bar's close doesn't stop the run; the button does.
      s.window->close();
      visibleAfterClose = s.window->isVisible();
      progressAtClick = s.child<QProgressBar>("progressBar")->value();
      QTest::mouseClick(s.child<QPushButton>("cancelButton"), Qt::LeftButton);
    });
    s.window->show();
    QTRY_VERIFY_WITH_TIMEOUT(!s.window->isVisible(), 8000);
    QVERIFY(visibleAfterClose);
    QVERIFY(progressAtClick > 0 && progressAtClick < 100);
    QCOMPARE(s.window->result(), int(QDialog::Accepted));
    QVERIFY(s.processes.started.empty());
    QVERIFY(!s.files.exists(s.dir / "app/a.txt.~up"));
    QVERIFY(!s.files.exists(s.dir / "app/sub"));
    QCOMPARE(test::readWholeFile(s.dir / "app/a.txt"), std::string("old a"));
    QVERIFY(s.opener.opened.isEmpty());
  }

  // From "在线更新" in a program with the companion embedded to the restarted new version.
  void theUpdateCommandCompletesAnUpdate() {
    test::TempDir dir;
    test::SigningKey key;
    test::LocalServer server;
    const std::string appDir = dir.path() + "/";
    test::copyExecutable(NORVANE_UPDATE_COMMAND_FIXTURE, appDir + "norvane");
    dir.writeFile("update.pub", key.publicKeyText());
    dir.writeFile("Setup.ini", "[Update]\r\nURL=" + server.url("/updata.txt") + "\r\n");
    dir.writeFile("a.txt", "old a");
    test::publishUpdate(server, key, 2,
                        {{"%App%/norvane", test::readWholeFile(NORVANE_FIXTURE_V2), "/2/norvane"},
                         {"%App%/a.txt", "new a", "/2/a.txt"},
                         {"%App%/新/b.txt", "new b", "/2/b.txt"}});
    const test::ChildExit exit =
        test::runChild(appDir + "norvane", {}, {"QT_QPA_PLATFORM=offscreen"});
    // The companion ends the program; on a busy machine that can come before its own exit.
    QVERIFY(exit.exited ? exit.code == 0 : exit.signal == SIGKILL);
    QVERIFY(test::waitFor([&] {
      return test::readWholeFile(appDir + "starts.log") ==
                 "started window version 1\nstarted version 2\n" &&
             !s_exists(appDir + "~upgrader");
    }));
    QCOMPARE(test::readWholeFile(appDir + "a.txt"), std::string("new a"));
    QCOMPARE(test::readWholeFile(appDir + "新/b.txt"), std::string("new b"));
    QVERIFY(test::readWholeFile(appDir + "norvane") == test::readWholeFile(NORVANE_FIXTURE_V2));
    for (const char* name : {"a.txt.~up", "a.txt.~bf", "norvane.~bf", "新/b.txt.~up",
                             "~finished.file", "~finished.done"}) {
      QVERIFY2(!s_exists(appDir + name), name);
    }
  }

 private:
  static bool s_exists(const std::string& path) { return PosixFileMoves().exists(path); }
};

}  // namespace
}  // namespace norvane

QTEST_MAIN(norvane::UpdateWindowTest)
#include "update_window_test.moc"
