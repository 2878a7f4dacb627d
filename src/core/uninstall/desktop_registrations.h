#pragma once
// Uninstall registrations read from desktop entries.
//
// Every desktop entry in the application folders is one registration, named by its
// desktop-file ID; an ID found in several folders is the one found first (as the menu shows
// it). A root's registrations come in the IDs' byte order. The values are the keys of the
// "[Desktop Entry]" group in file order, then "DisplayName" and "UninstallString":
//  * DisplayName: see DesktopEntry::displayName();
//  * UninstallString: the command that removes the program, by its owner:
//    - Flatpak: an entry with an "X-Flatpak" key (the app ID), or any entry in a Flatpak
//      exports folder (the ID from the file name); --user in the current user's root;
//    - Snap: an entry with "X-SnapInstanceName", or any entry in the Snap folder (the file
//      "name_app.desktop" names the snap, "+" standing for the "_" of an instance key);
//    - otherwise the installed Debian package that lists the file;
//    - none when nothing owns it.
// An entry that can't be read (a Flatpak link left behind by a removed app) is still a
// registration, with no values.
#include <memory>
#include <string>
#include <vector>

#include "core/uninstall/application_folders.h"
#include "core/uninstall/registration_store.h"
#include "core/uninstall/uninstall_command.h"
#include "platform/desktop_files.h"
#include "platform/package_files.h"

namespace norvane {

class DesktopEntry;

class DesktopRegistrations : public RegistrationStore {
 public:
  // `superUser`: whether the uninstall commands run with the super-user's rights.
  DesktopRegistrations(std::shared_ptr<DesktopFiles> files, DesktopEnvironment env,
                       std::shared_ptr<PackageDatabase> packages, bool superUser);

  std::vector<Registration> list(const std::vector<RegistrationRoot>& roots) override;
  // Deletes the desktop file at `keyPath` (a link as itself), only when it is a ".desktop"
  // file in one of the root's application folders.
  bool remove(RegistrationRoot root, const std::string& keyPath) override;

 private:
  struct Found;
  ProgramOwner ownerOf(const Found& found, const DesktopEntry& entry,
                       std::shared_ptr<const PackageFiles>& packageFiles);
  Registration read(const Found& found, std::shared_ptr<const PackageFiles>& packageFiles);

  std::shared_ptr<DesktopFiles> files_;
  DesktopEnvironment env_;
  std::shared_ptr<PackageDatabase> packages_;
  bool superUser_;
};

// The registrations of the running session, with this machine's package database.
std::shared_ptr<RegistrationStore> makeHostRegistrationStore();

}  // namespace norvane
