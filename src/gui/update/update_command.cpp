#include "gui/update/update_command.h"

#include "core/update/embedded_upgrader.h"
#include "core/update/path_folder.h"
#include "core/update/pending_update.h"
#include "core/update/update_address.h"
#include "core/update/upgrader.h"
#include "gui/update/update_window.h"
#include "platform/posix/curl_http_client.h"
#include "platform/posix/posix_file_moves.h"
#include "platform/posix/posix_process_control.h"

namespace norvane {

void showUpdateWindow(QWidget* owner, const Platform& platform, EventLoop& events,
                      WebSiteOpener& webSite) {
  CurlHttpClient http;
  PosixFileMoves files;
  PosixProcessControl processes;
  Upgrader upgrader(
      UpdateServices{http, files, *platform.shellFolders, *platform.system, events, processes},
      embeddedUpgraderImage());
  upgrader.updateInfoUrl = updateInfoAddress(upgrader.appDir());
  UpdateWindow window(upgrader, webSite, owner);
  window.exec();
}

void finishPendingUpdateAtStart() {
  try {
    PosixFileMoves files;
    PosixProcessControl processes;
    const std::string exe = processes.currentExecutable();
    if (exe.empty()) return;
    finishPendingUpdate(folderOf(exe), files, processes);
  } catch (...) {
    // Start-up goes on; the next start tries again.
  }
}

}  // namespace norvane
