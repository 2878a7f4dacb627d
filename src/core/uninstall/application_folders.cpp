#include "core/uninstall/application_folders.h"

#include <algorithm>
#include <string_view>

namespace norvane {

namespace {

std::string withoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool isAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

bool liesUnder(const std::string& path, const std::string& folder) {
  return !folder.empty() && folder != "/" &&
         (path == folder ||
          (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/'));
}

// The $XDG_DATA_DIRS entries; relative ones don't count, as the base-directory rules say.
std::vector<std::string> dataDirs(const std::string& value) {
  std::vector<std::string> out;
  std::string_view rest = value.empty() ? std::string_view("/usr/local/share:/usr/share") : value;
  while (true) {
    const auto colon = rest.find(':');
    std::string entry(rest.substr(0, colon));
    if (isAbsolute(entry)) out.push_back(withoutTrailingSlashes(entry));
    if (colon == std::string_view::npos) break;
    rest.remove_prefix(colon + 1);
  }
  return out;
}

}  // namespace

std::vector<ApplicationFolder> ApplicationFolders::resolve(const DesktopEnvironment& env,
                                                           DesktopFiles& files) {
  using Kind = ApplicationFolder::Kind;
  const std::string dataHome = isAbsolute(env.dataHome) ? withoutTrailingSlashes(env.dataHome)
                               : isAbsolute(env.home)
                                   ? withoutTrailingSlashes(env.home) + "/.local/share"
                                   : std::string();
  const std::string userFlatpak =
      dataHome.empty() ? std::string() : dataHome + "/flatpak/exports/share/applications";
  const std::string realHome = isAbsolute(env.home) ? files.realPath(env.home) : std::string();
  const std::string realUserFlatpak = userFlatpak.empty() ? "" : files.realPath(userFlatpak);
  const std::string realSystemFlatpak = files.realPath(env.systemFlatpakApplications);
  const std::string realSnap = files.realPath(env.snapApplications);

  struct Candidate {
    std::string path;
    bool user;
  };
  std::vector<Candidate> candidates;
  if (!dataHome.empty()) candidates.push_back({dataHome + "/applications", true});
  std::vector<std::string> dirs = dataDirs(env.dataDirs);
  const bool flatpakInDirs = std::any_of(dirs.begin(), dirs.end(), [&](const std::string& d) {
    return !realUserFlatpak.empty() && files.realPath(d + "/applications") == realUserFlatpak;
  });
  if (!userFlatpak.empty() && !flatpakInDirs) candidates.push_back({userFlatpak, true});
  for (const auto& d : dirs) candidates.push_back({d + "/applications", false});
  candidates.push_back({withoutTrailingSlashes(env.systemFlatpakApplications), false});
  candidates.push_back({withoutTrailingSlashes(env.snapApplications), false});

  std::vector<ApplicationFolder> out;
  std::vector<std::string> seen;
  for (const auto& c : candidates) {
    if (!isAbsolute(c.path)) continue;
    const std::string real = files.realPath(c.path);
    if (real.empty() || std::find(seen.begin(), seen.end(), real) != seen.end()) continue;
    seen.push_back(real);
    ApplicationFolder folder;
    folder.path = c.path;
    folder.root = c.user || liesUnder(real, realHome) ? RegistrationRoot::CurrentUser
                                                      : RegistrationRoot::LocalMachine;
    folder.kind = real == realUserFlatpak || real == realSystemFlatpak ? Kind::Flatpak
                  : real == realSnap                                   ? Kind::Snap
                                                                       : Kind::Plain;
    out.push_back(std::move(folder));
  }
  return out;
}

}  // namespace norvane
