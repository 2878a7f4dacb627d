#pragma once
// The command that removes a program, by what installed it.
#include <string>
#include <string_view>

namespace norvane {

struct ProgramOwner {
  enum class Kind { None, Flatpak, Snap, DebianPackage };
  Kind kind = Kind::None;
  std::string name;               // Flatpak app ID, snap instance name or dpkg package name
  bool userInstallation = false;  // Flatpak: the user's installation, not the machine's
};

class UninstallCommand {
 public:
  // The command line, or "" when there is no owner or its name is not a plain name of its
  // kind (a name from a file must never add options or words to the command). dpkg needs
  // the super-user: without those rights the command asks for them through pkexec.
  static std::string forOwner(const ProgramOwner& owner, bool superUser);

  static bool isFlatpakAppId(std::string_view id);
  static bool isSnapName(std::string_view name);
  static bool isPackageName(std::string_view name);
};

}  // namespace norvane
