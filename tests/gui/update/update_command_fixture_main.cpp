// A stand-in for the main program with the real update command: at start it finishes a
// pending update, notes "started window version 1" in starts.log beside itself, then opens the
// update window as "在线更新" does. A completed download ends it inside the window.
#include <QApplication>
#include <fstream>
#include <string>

#include "gui/widgets/qt_event_loop.h"
#include "gui/update/update_command.h"
#include "gui/update/web_site_opener.h"

namespace {

class NoSite : public norvane::WebSiteOpener {
 public:
  void open(const QString&) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
  norvane::finishPendingUpdateAtStart();
  QApplication app(argc, argv);
  const std::string log = QCoreApplication::applicationDirPath().toStdString() + "/starts.log";
  std::ofstream(log, std::ios::app) << "started window version 1\n";
  norvane::QtEventLoop events;
  NoSite site;
  norvane::showUpdateWindow(nullptr, norvane::makeHostPlatform(), events, site);
  std::ofstream(log, std::ios::app) << "no handover\n";
  return 0;
}
