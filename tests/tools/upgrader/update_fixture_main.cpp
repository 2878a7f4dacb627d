// A stand-in for the main program in end-to-end update tests, built as version 1 and 2 with
// the companion embedded. At start it finishes a pending update as the program does, notes
// "started version N" in starts.log beside itself and, when a file "run-update" is there,
// removes it and runs the update with the address from Setup.ini.
#include <fstream>
#include <string>

#include "core/update/embedded_upgrader.h"
#include "core/update/pending_update.h"
#include "core/update/update_address.h"
#include "core/update/upgrader.h"
#include "platform/platform.h"
#include "platform/posix/curl_http_client.h"
#include "platform/posix/posix_file_moves.h"
#include "platform/posix/posix_process_control.h"

namespace {

class NoEvents : public norvane::EventLoop {
 public:
  void pumpMessages() override {}
  void post(std::function<void()> task) override { task(); }
};

}  // namespace

int main() {
  norvane::PosixFileMoves files;
  norvane::PosixProcessControl processes;
  const std::string exe = processes.currentExecutable();
  const std::string appDir = exe.substr(0, exe.find_last_of('/') + 1);
  norvane::finishPendingUpdate(appDir, files, processes);
  std::ofstream(appDir + "starts.log", std::ios::app)
      << "started version " << NORVANE_FIXTURE_VERSION << "\n";
  if (files.removeFile(appDir + "run-update") != 0) return 0;

  norvane::Platform platform = norvane::makeHostPlatform();
  norvane::CurlHttpClient http(norvane::HttpLimits{5, 5});
  NoEvents events;
  norvane::Upgrader upgrader(norvane::UpdateServices{http, files, *platform.shellFolders,
                                                     *platform.system, events, processes},
                             norvane::embeddedUpgraderImage());
  upgrader.updateInfoUrl = norvane::updateInfoAddress(appDir);
  upgrader.versionAsNumber = NORVANE_FIXTURE_VERSION;
  upgrader.execute();
  std::ofstream(appDir + "starts.log", std::ios::app) << "no handover\n";
  return 0;
}
