// norvane-pending-delete: carries out the files registered for deletion at restart, at boot
// (systemd unit) or at login (autostart entry), then clears the list. When nothing is left
// listed it removes the unit or entry that started it, named by its folder.
//   norvane-pending-delete [--list PATH] [--systemd-unit-dir DIR | --autostart-dir DIR]
#include <cstring>
#include <iostream>
#include <string>

#include "platform/posix/pending_delete_launcher.h"
#include "platform/posix/pending_delete_runner.h"

namespace {

const char* resultText(norvane::PendingDeleteResult result) {
  switch (result) {
    case norvane::PendingDeleteResult::Deleted:
      return "deleted";
    case norvane::PendingDeleteResult::Missing:
      return "already gone";
    case norvane::PendingDeleteResult::SkippedFolder:
      return "skipped, a folder";
    case norvane::PendingDeleteResult::Failed:
      return "failed";
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  std::string listPath;
  norvane::PendingDeleteSetup launcher;  // what started this run, when told
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--list" && i + 1 < argc) {
      listPath = argv[++i];
    } else if (arg == "--systemd-unit-dir" && i + 1 < argc) {
      launcher.launch = norvane::PendingDeleteSetup::Launch::SystemdUnit;
      launcher.systemdUnitDir = argv[++i];
    } else if (arg == "--autostart-dir" && i + 1 < argc) {
      launcher.launch = norvane::PendingDeleteSetup::Launch::Autostart;
      launcher.autostartDir = argv[++i];
    } else {
      std::cerr << "usage: norvane-pending-delete [--list PATH] [--systemd-unit-dir DIR | "
                   "--autostart-dir DIR]\n";
      return 2;
    }
  }
  if (listPath.empty()) listPath = norvane::defaultPendingDeleteSetup().listPath;

  norvane::PendingDeleteList list(listPath);
  auto summary = norvane::carryOutPendingDeletes(list, [](const norvane::PendingDeleteReport& r) {
    if (r.result == norvane::PendingDeleteResult::Deleted) return;
    std::cerr << "norvane-pending-delete: " << r.path << ": " << resultText(r.result);
    if (r.result == norvane::PendingDeleteResult::Failed)
      std::cerr << " (" << std::strerror(r.code) << ")";
    std::cerr << "\n";
  });
  if (summary.busy) {
    std::cerr << "norvane-pending-delete: " << listPath << ": another run is carrying it out\n";
    return 0;
  }
  if (summary.listError) {
    std::cerr << "norvane-pending-delete: " << listPath << ": " << std::strerror(summary.listError)
              << "\n";
    return 1;
  }
  // Nothing left to do at the next start: the next registration installs the launcher again.
  if (!launcher.systemdUnitDir.empty() || !launcher.autostartDir.empty()) {
    const int err =
        list.whenEmpty([&launcher] { return norvane::removePendingDeleteLauncher(launcher); });
    if (err)
      std::cerr << "norvane-pending-delete: can't remove its launcher: " << std::strerror(err)
                << "\n";
  }
  return summary.failed ? 1 : 0;
}
