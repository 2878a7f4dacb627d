#pragma once
// Where the pending-delete list lives and how the helper that carries it out gets started:
// for root a systemd unit run once at every boot before user sessions open, otherwise an XDG
// autostart entry run at every login.
#include <string>

namespace norvane {

struct PendingDeleteSetup {
  enum class Launch { SystemdUnit, Autostart };

  std::string listPath;
  std::string helperPath;  // the norvane-pending-delete program
  Launch launch = Launch::Autostart;
  std::string systemdUnitDir;  // root: where units are installed ("/etc/systemd/system")
  std::string autostartDir;    // user: "$XDG_CONFIG_HOME/autostart"
};

inline constexpr const char* kPendingDeleteUnitName = "norvane-pending-delete.service";
inline constexpr const char* kPendingDeleteAutostartName = "norvane-pending-delete.desktop";
inline constexpr const char* kPendingDeleteHelperName = "norvane-pending-delete";

// Root: /var/lib/norvane/pending-delete.list and a systemd unit. Otherwise
// $XDG_STATE_HOME/norvane/pending-delete.list (default ~/.local/state) and an autostart entry.
// The helper is looked for beside the running program.
PendingDeleteSetup defaultPendingDeleteSetup();

// The command line that runs the helper on the list, quoted for a systemd unit / a desktop
// entry's Exec key. Empty when a path holds a control character neither format can carry.
std::string systemdExecLine(const PendingDeleteSetup& setup);
std::string desktopExecLine(const PendingDeleteSetup& setup);

std::string systemdUnitText(const PendingDeleteSetup& setup);
std::string autostartEntryText(const PendingDeleteSetup& setup);

// Makes sure the helper will run: writes the unit (and its enabling link in
// multi-user.target.wants) or the autostart entry when missing or out of date. Fails when the
// helper program isn't there to be run. 0 or an errno-style code.
int installPendingDeleteLauncher(const PendingDeleteSetup& setup);

}  // namespace norvane
