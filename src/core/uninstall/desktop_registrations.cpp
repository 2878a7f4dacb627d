#include "core/uninstall/desktop_registrations.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "core/uninstall/desktop_entry.h"
#include "platform/processes.h"

namespace norvane {

namespace {

constexpr std::string_view kDisplayName = "DisplayName";
constexpr std::string_view kUninstallString = "UninstallString";
constexpr std::string_view kDesktopSuffix = ".desktop";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

std::string withoutSuffix(std::string_view name) {
  return std::string(name.substr(0, name.size() - kDesktopSuffix.size()));
}

// The snap of "name_app.desktop" (or "name+key_app.desktop" for an instance "name_key").
std::string snapOfFileName(std::string_view fileName) {
  std::string snap(fileName.substr(0, fileName.find('_')));
  std::replace(snap.begin(), snap.end(), '+', '_');
  return snap;
}

// A relative path of plain names below a folder, ending in ".desktop".
bool isEntryPath(std::string_view relative) {
  if (relative.size() <= kDesktopSuffix.size() ||
      relative.substr(relative.size() - kDesktopSuffix.size()) != kDesktopSuffix)
    return false;
  while (!relative.empty()) {
    const auto slash = relative.find('/');
    const std::string_view part = relative.substr(0, slash);
    if (part.empty() || part == "." || part == "..") return false;
    if (slash == std::string_view::npos) break;
    relative.remove_prefix(slash + 1);
  }
  return true;
}

}  // namespace

struct DesktopRegistrations::Found {
  std::string id;
  const ApplicationFolder* folder;
  std::string relative;
  std::string path() const { return folder->path + "/" + relative; }
};

DesktopRegistrations::DesktopRegistrations(std::shared_ptr<DesktopFiles> files,
                                           DesktopEnvironment env,
                                           std::shared_ptr<PackageDatabase> packages,
                                           bool superUser)
    : files_(std::move(files)),
      env_(std::move(env)),
      packages_(std::move(packages)),
      superUser_(superUser) {}

std::vector<Registration> DesktopRegistrations::list(const std::vector<RegistrationRoot>& roots) {
  const std::vector<ApplicationFolder> folders = ApplicationFolders::resolve(env_, *files_);
  // Every folder is listed, also for one root only: an ID met first in the other root's
  // folder hides its namesakes here.
  std::map<std::string, Found> byId;
  for (const auto& folder : folders) {
    for (auto& relative : files_->list(folder.path)) {
      std::string id = relative;
      std::replace(id.begin(), id.end(), '/', '-');
      byId.try_emplace(id, Found{id, &folder, std::move(relative)});
    }
  }
  // The package database is read only when an entry needs it, then once for all.
  std::shared_ptr<const PackageFiles> packageFiles;
  std::vector<Registration> out;
  for (RegistrationRoot root : roots)
    for (const auto& [id, found] : byId)
      if (found.folder->root == root) out.push_back(read(found, packageFiles));
  return out;
}

Registration DesktopRegistrations::read(const Found& found,
                                        std::shared_ptr<const PackageFiles>& packageFiles) {
  Registration r;
  r.root = found.folder->root;
  r.name = found.id;
  r.keyPath = found.path();
  const auto text = files_->read(r.keyPath);
  if (!text) return r;
  const DesktopEntry entry = DesktopEntry::parse(*text);
  for (const auto& [key, value] : entry.keys()) {
    // These two names are the list's own; a file can't set them.
    if (equalsIgnoringCase(key, kDisplayName) || equalsIgnoringCase(key, kUninstallString))
      continue;
    r.values.push_back({key, value});
  }
  r.values.push_back({std::string(kDisplayName), entry.displayName()});
  r.values.push_back({std::string(kUninstallString),
                      UninstallCommand::forOwner(ownerOf(found, entry, packageFiles), superUser_)});
  return r;
}

ProgramOwner DesktopRegistrations::ownerOf(const Found& found, const DesktopEntry& entry,
                                           std::shared_ptr<const PackageFiles>& packageFiles) {
  using Kind = ProgramOwner::Kind;
  const std::string fileName = found.relative.substr(found.relative.rfind('/') + 1);
  const bool userRoot = found.folder->root == RegistrationRoot::CurrentUser;
  if (entry.has("X-Flatpak")) return {Kind::Flatpak, entry.value("X-Flatpak"), userRoot};
  if (found.folder->kind == ApplicationFolder::Kind::Flatpak)
    return {Kind::Flatpak, withoutSuffix(fileName), userRoot};
  if (entry.has("X-SnapInstanceName")) return {Kind::Snap, entry.value("X-SnapInstanceName")};
  if (found.folder->kind == ApplicationFolder::Kind::Snap)
    return {Kind::Snap, snapOfFileName(fileName)};

  if (!packages_) return {};
  if (!packageFiles) packageFiles = packages_->load();
  std::string package = packageFiles->ownerOf(found.path());
  if (package.empty()) {
    // The folder may be named through a link; the package lists where it really is.
    const std::string realFolder = files_->realPath(found.folder->path);
    if (!realFolder.empty()) package = packageFiles->ownerOf(realFolder + "/" + found.relative);
  }
  if (package.empty()) return {};
  return {Kind::DebianPackage, package};
}

bool DesktopRegistrations::remove(RegistrationRoot root, const std::string& keyPath) {
  for (const auto& folder : ApplicationFolders::resolve(env_, *files_)) {
    if (folder.root != root || keyPath.size() <= folder.path.size() + 1 ||
        keyPath.compare(0, folder.path.size(), folder.path) != 0 ||
        keyPath[folder.path.size()] != '/')
      continue;
    // Only an entry the folder's listing gives (no way out through ".." or a linked folder).
    const std::string relative = keyPath.substr(folder.path.size() + 1);
    const auto listed = files_->list(folder.path);
    if (isEntryPath(relative) && std::find(listed.begin(), listed.end(), relative) != listed.end())
      return files_->remove(keyPath) == 0;
  }
  return false;
}

std::shared_ptr<RegistrationStore> makeHostRegistrationStore() {
  return std::make_shared<DesktopRegistrations>(makeHostDesktopFiles(), hostDesktopEnvironment(),
                                                makeHostPackageDatabase(),
                                                makeHostProcessLauncher()->startsAsSuperUser());
}

}  // namespace norvane
