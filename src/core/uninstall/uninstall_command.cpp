#include "core/uninstall/uninstall_command.h"

namespace norvane {

namespace {

bool isLowerAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }
bool isAlnum(char c) { return isLowerAlnum(c) || (c >= 'A' && c <= 'Z'); }

template <typename Allowed>
bool allOf(std::string_view s, Allowed allowed) {
  for (char c : s)
    if (!allowed(c)) return false;
  return true;
}

}  // namespace

// Reverse-DNS: letters, digits, "_", "-" and dots, starting with a letter.
bool UninstallCommand::isFlatpakAppId(std::string_view id) {
  return !id.empty() && id.size() <= 255 && isAlnum(id[0]) && !(id[0] >= '0' && id[0] <= '9') &&
         allOf(id, [](char c) { return isAlnum(c) || c == '_' || c == '-' || c == '.'; });
}

// "name" or "name_key" for a parallel instance.
bool UninstallCommand::isSnapName(std::string_view name) {
  return !name.empty() && name.size() <= 51 && isLowerAlnum(name[0]) &&
         allOf(name, [](char c) { return isLowerAlnum(c) || c == '-' || c == '_'; });
}

// dpkg's rule, plus ":arch" for a package installed per architecture.
bool UninstallCommand::isPackageName(std::string_view name) {
  return name.size() >= 2 && isLowerAlnum(name[0]) && allOf(name, [](char c) {
           return isLowerAlnum(c) || c == '+' || c == '-' || c == '.' || c == ':';
         });
}

std::string UninstallCommand::forOwner(const ProgramOwner& owner, bool superUser) {
  switch (owner.kind) {
    case ProgramOwner::Kind::Flatpak:
      if (!isFlatpakAppId(owner.name)) return {};
      return std::string("flatpak uninstall ") + (owner.userInstallation ? "--user" : "--system") +
             " --noninteractive " + owner.name;
    case ProgramOwner::Kind::Snap:
      if (!isSnapName(owner.name)) return {};
      return "snap remove " + owner.name;
    case ProgramOwner::Kind::DebianPackage:
      if (!isPackageName(owner.name)) return {};
      return std::string(superUser ? "" : "pkexec ") + "dpkg --remove " + owner.name;
    case ProgramOwner::Kind::None:
      break;
  }
  return {};
}

}  // namespace norvane
