#pragma once
// The folders that hold desktop entries, in the order the freedesktop menu searches them,
// each with the root its registrations belong to.
#include <string>
#include <vector>

#include "core/uninstall/registration.h"
#include "platform/desktop_files.h"

namespace norvane {

struct ApplicationFolder {
  enum class Kind { Plain, Flatpak, Snap };
  std::string path;  // as configured, without a trailing "/"
  RegistrationRoot root = RegistrationRoot::LocalMachine;
  Kind kind = Kind::Plain;
};

class ApplicationFolders {
 public:
  // $XDG_DATA_HOME/applications, the user's Flatpak exports (unless $XDG_DATA_DIRS places
  // them), every $XDG_DATA_DIRS entry's "applications", the machine's Flatpak exports and the
  // Snap folder. Folders that don't exist are left out, and a folder reached twice (also
  // through a link) is kept at its first place only. The user's own two folders and every
  // folder that really lies under the home folder are the current user's; the rest are the
  // machine's.
  static std::vector<ApplicationFolder> resolve(const DesktopEnvironment& env, DesktopFiles& files);
};

}  // namespace norvane
