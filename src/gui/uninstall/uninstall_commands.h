#pragma once
// What the page "软件卸载" does: its list widget shows the registrations of an UninstallList,
// built the first time the page is shown; "卸载" starts the selected program's uninstaller,
// whose end comes back on the UI thread and refreshes the list; "删除卸载信息" deletes the
// selected registration without a word and refreshes. An uninstaller still running when the
// commands go away (the program ends) is left to run.
#include <QObject>

#include "core/uninstall/process_runner.h"
#include "core/uninstall/software_uninstall.h"
#include "core/uninstall/uninstall_list.h"
#include "gui/widgets/qt_event_loop.h"
#include "platform/platform.h"

namespace norvane {

class UninstallPage;

class UninstallCommands : public QObject {
  Q_OBJECT

 public:
  // Reads the registrations from the platform's desktop entries and packages, starts
  // uninstallers with its launcher. `page` must outlive the commands.
  UninstallCommands(UninstallPage& page, const Platform& platform, QObject* parent = nullptr);

  // "卸载". Throws when nothing is selected, the entry has no uninstall command, its program
  // can't be started, or the uninstaller started before is still running.
  void uninstallSelected();
  // "删除卸载信息".
  void deleteSelectedRegistration();

  UninstallList& list() { return list_; }
  ProcessRunner& runner() { return runner_; }

 private:
  void showEntries();

  UninstallPage& page_;
  // Declared before the runner: an end it posts must find the loop still there.
  QtEventLoop loop_;
  UninstallList list_;
  ProcessRunner runner_;
  SoftwareUninstall commands_;
};

}  // namespace norvane
