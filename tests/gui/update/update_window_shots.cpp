// Pictures of the update window's three pages, for a look at the layout under a real X server
// (xvfb-run). Writes update-window-<page>.png into the folder given as the argument.
#include <QApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include "gui/widgets/qt_event_loop.h"
#include "gui/widgets/skin.h"
#include "core/update/upgrader.h"
#include "gui/update/update_window.h"
#include "gui/update/web_site_opener.h"
#include "platform/posix/posix_file_moves.h"
#include "support/gui/fake_platform.h"

namespace {

class NoHttp : public norvane::HttpClient {
 public:
  norvane::HttpHeadResult head(const std::string&) override { return {}; }
  norvane::DownloadResult download(const std::string&, const std::string&,
                                   const Progress&) override {
    return {};
  }
};

class NoProcesses : public norvane::ProcessControl {
 public:
  int currentProcessId() override { return 1; }
  std::string currentExecutable() override { return "/nonexistent/norvane"; }
  std::string currentDirectory() override { return "/"; }
  std::string executableOf(int) override { return {}; }
  int terminate(int) override { return 0; }
  bool isRunning(const std::string&) override { return false; }
  bool startDetached(const std::string&, const std::vector<std::string>&) override { return false; }
  void exitProcess(int) override {}
  void sleepMs(unsigned) override {}
};

class NoSite : public norvane::WebSiteOpener {
 public:
  void open(const QString&) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  norvane::Skin::applyApplicationLook(app);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  NoHttp http;
  norvane::PosixFileMoves files;
  norvane::test::FakeShellFolders shell;
  norvane::test::FakeSystemInfo system;
  norvane::QtEventLoop events;
  NoProcesses processes;
  NoSite site;
  norvane::Upgrader upgrader(norvane::UpdateServices{http, files, shell, system, events, processes},
                             "");
  norvane::UpdateWindow window(upgrader, site);
  window.show();
  auto* pages = window.findChild<QStackedWidget*>(QStringLiteral("pages"));

  const auto shoot = [&](int page, const char* name) {
    pages->setCurrentIndex(page);
    QApplication::processEvents();
    window.grab().save(folder + QStringLiteral("/update-window-%1.png").arg(QLatin1String(name)));
  };
  shoot(0, "checking");
  norvane::ProgressEx progress;
  progress.totalSize = 12'345'678;
  progress.totalDone = 4'567'890;
  upgrader.onFileBegin("", "/opt/norvane/插件/清理规则更新包.dat", 0);
  upgrader.onProgress(progress, 5, nullptr);
  upgrader.onProgress2(40, 37, 3725, 123, 5, nullptr);
  shoot(1, "download");
  upgrader.onProgress2(40, 37, norvane::kNoEstimate, 0, 5, nullptr);
  shoot(1, "download-no-estimate");
  window.findChild<QPushButton*>(QStringLiteral("cancelButton"))->setText(QStringLiteral("关闭"));
  shoot(2, "no-update");
  return 0;
}
