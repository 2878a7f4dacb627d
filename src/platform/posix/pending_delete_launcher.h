#pragma once
// Where the pending-delete list lives and how the helper that carries it out gets started:
// for root a systemd unit run once at every boot before user sessions open, otherwise an XDG
// autostart entry run at every login. The unit runs a copy of the helper that only root can
// change, never the program's own folder, which any user may own. The helper removes the unit
// or entry once nothing is left to delete; the next registration puts it back.
#include <string>

namespace norvane {

struct PendingDeleteSetup {
  enum class Launch { SystemdUnit, Autostart };

  std::string listPath;
  std::string helperPath;  // the norvane-pending-delete program the launcher runs
  // Root: the helper beside the program, copied to helperPath at each registration (see
  // installTrustedCopy) so that only `helperOwner` and root can change what runs at boot.
  // Empty: helperPath is run where it lies.
  std::string helperSource;
  unsigned helperOwner = 0;
  Launch launch = Launch::Autostart;
  std::string systemdUnitDir;  // root: where units are installed ("/etc/systemd/system")
  std::string autostartDir;    // user: "$XDG_CONFIG_HOME/autostart"
};

inline constexpr const char* kPendingDeleteUnitName = "norvane-pending-delete.service";
inline constexpr const char* kPendingDeleteAutostartName = "norvane-pending-delete.desktop";
inline constexpr const char* kPendingDeleteHelperName = "norvane-pending-delete";
inline constexpr const char* kRootHelperPath = "/usr/local/libexec/norvane/norvane-pending-delete";

// Root: /var/lib/norvane/pending-delete.list, a systemd unit and the helper copied from beside
// the running program to kRootHelperPath. Otherwise $XDG_STATE_HOME/norvane/pending-delete.list
// (default ~/.local/state), an autostart entry and the helper beside the running program.
PendingDeleteSetup defaultPendingDeleteSetup();

// The command line that runs the helper on the list and tells it its unit folder / autostart
// folder, quoted for a systemd unit / a desktop entry's Exec key. Empty when a path holds a
// control character neither format can carry.
std::string systemdExecLine(const PendingDeleteSetup& setup);
std::string desktopExecLine(const PendingDeleteSetup& setup);

std::string systemdUnitText(const PendingDeleteSetup& setup);
std::string autostartEntryText(const PendingDeleteSetup& setup);

// Makes sure the helper will run: for root installs the helper's trusted copy, then writes the
// unit (and its enabling link in multi-user.target.wants) or the autostart entry when missing
// or out of date. Fails when the helper program isn't there to be run or its copy can't be
// trusted. 0 or an errno-style code.
int installPendingDeleteLauncher(const PendingDeleteSetup& setup);

// Removes the unit and its enabling link, or the autostart entry. 0 or an errno-style code.
int removePendingDeleteLauncher(const PendingDeleteSetup& setup);

}  // namespace norvane
