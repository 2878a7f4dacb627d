// norvane-pending-delete: carries out the files registered for deletion at restart, at boot
// (systemd unit) or at login (autostart entry), then clears the list.
//   norvane-pending-delete [--list PATH]
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
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--list" && i + 1 < argc) {
      listPath = argv[++i];
    } else {
      std::cerr << "usage: norvane-pending-delete [--list PATH]\n";
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
  return summary.failed ? 1 : 0;
}
