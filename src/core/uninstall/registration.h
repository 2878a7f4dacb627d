#pragma once
// One uninstall registration as the list reads it: where it is stored and its values.
//
// On Linux a registration is a desktop entry file. Its root is the scope it lies in: the
// current user's (under the home folder) or the machine's. Its name is the desktop-file ID
// ("org.gnome.Maps.desktop"; a file in a sub-folder "kde/foo.desktop" is "kde-foo.desktop"),
// and its key path is the path of the file itself, the link and not its target for an
// exported Flatpak entry. The root values are the registry's, so code written against them
// reads the same on every platform.
#include <cstdint>
#include <string>
#include <vector>

namespace norvane {

enum class RegistrationRoot : std::uint32_t {
  CurrentUser = 0x80000001u,   // HKEY_CURRENT_USER
  LocalMachine = 0x80000002u,  // HKEY_LOCAL_MACHINE
};

// "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE".
const char* rootKeyName(RegistrationRoot root);

struct RegistrationValue {
  std::string name;
  std::string text;
};

struct Registration {
  RegistrationRoot root = RegistrationRoot::CurrentUser;
  std::string name;                       // the subkey name: the desktop-file ID
  std::string keyPath;                    // where it is stored: the desktop file's path
  std::vector<RegistrationValue> values;  // in enumeration order
};

}  // namespace norvane
