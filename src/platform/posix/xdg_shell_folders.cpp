#include "platform/posix/xdg_shell_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

#include "platform/posix/text_file.h"

namespace norvane {

namespace {

std::string envValue(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// XDG variables count only when they hold an absolute path.
std::string baseDir(const std::string& value, const std::string& home, const char* fallback) {
  if (!value.empty() && value.front() == '/') return value;
  return home + fallback;
}

std::string withoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

ShellEnvironment ShellEnvironment::fromProcess() {
  ShellEnvironment env;
  env.home = envValue("HOME");
  if (env.home.empty()) {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) env.home = pw->pw_dir;
  }
  env.tmpDir = envValue("TMPDIR");
  env.xdgConfigHome = envValue("XDG_CONFIG_HOME");
  env.xdgCacheHome = envValue("XDG_CACHE_HOME");
  env.xdgDataHome = envValue("XDG_DATA_HOME");
  return env;
}

XdgShellFolders::XdgShellFolders(ShellEnvironment env) : env_(std::move(env)) {
  env_.home = withoutTrailingSlashes(env_.home);
}

std::string XdgShellFolders::windowsFolder() { return "/usr"; }
std::string XdgShellFolders::systemFolder() { return "/usr/lib"; }
std::string XdgShellFolders::programFilesDir() { return "/opt"; }

std::string XdgShellFolders::tempFolder() {
  if (env_.tmpDir.empty() || env_.tmpDir.front() != '/') return "/tmp";
  return withoutTrailingSlashes(env_.tmpDir);
}

std::string XdgShellFolders::configHome() const {
  return withoutTrailingSlashes(baseDir(env_.xdgConfigHome, env_.home, "/.config"));
}
std::string XdgShellFolders::cacheHome() const {
  return withoutTrailingSlashes(baseDir(env_.xdgCacheHome, env_.home, "/.cache"));
}
std::string XdgShellFolders::dataHome() const {
  return withoutTrailingSlashes(baseDir(env_.xdgDataHome, env_.home, "/.local/share"));
}

std::map<std::string, std::string> XdgShellFolders::parseUserDirs(const std::string& text,
                                                                  const std::string& home) {
  std::map<std::string, std::string> dirs;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;

    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] == '#') continue;
    line = line.substr(i);
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || line.rfind("XDG_", 0) != 0 || eq < 8 ||
        line.compare(eq - 4, 4, "_DIR") != 0)
      continue;
    const std::string key = line.substr(4, eq - 8);
    std::string value = line.substr(eq + 1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
      value.pop_back();
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') continue;
    value = value.substr(1, value.size() - 2);

    // Shell-style escapes inside the quotes.
    std::string unescaped;
    for (std::size_t k = 0; k < value.size(); ++k) {
      if (value[k] == '\\' && k + 1 < value.size()) ++k;
      unescaped.push_back(value[k]);
    }
    std::string path;
    if (unescaped == "$HOME" || unescaped.rfind("$HOME/", 0) == 0)
      path = home + unescaped.substr(5);
    else if (!unescaped.empty() && unescaped.front() == '/')
      path = unescaped;
    else
      continue;
    dirs[key] = withoutTrailingSlashes(path);
  }
  return dirs;
}

std::string XdgShellFolders::userDir(const std::string& key) const {
  if (const auto text = readTextFile(configHome() + "/user-dirs.dirs")) {
    const auto dirs = parseUserDirs(*text, env_.home);
    if (auto it = dirs.find(key); it != dirs.end() && !it->second.empty()) return it->second;
  }
  return key == "DESKTOP" ? env_.home + "/Desktop" : env_.home;
}

std::string XdgShellFolders::specialFolder(int csidl) {
  if (env_.home.empty() && csidl != CSIDL_COMMON_STARTMENU && csidl != CSIDL_COMMON_PROGRAMS &&
      csidl != CSIDL_COMMON_STARTUP)
    return "";  // no home: the user's folders can't be named
  switch (csidl) {
    case CSIDL_DESKTOP:
    case CSIDL_DESKTOPDIRECTORY:
      return userDir("DESKTOP");
    case CSIDL_PERSONAL:
      return userDir("DOCUMENTS");
    case CSIDL_TEMPLATES:
      return userDir("TEMPLATES");
    case CSIDL_APPDATA:
      return configHome();
    case CSIDL_INTERNET_CACHE:
      return cacheHome();
    case CSIDL_FONTS:
      return dataHome() + "/fonts";
    case CSIDL_STARTUP:
      return configHome() + "/autostart";
    case CSIDL_PROGRAMS:
    case CSIDL_STARTMENU:
      return dataHome() + "/applications";
    case CSIDL_COMMON_STARTMENU:
    case CSIDL_COMMON_PROGRAMS:
      return "/usr/share/applications";
    case CSIDL_COMMON_STARTUP:
      return "/etc/xdg/autostart";
    default:
      return "";  // Cookies, History, Recent, NetHood, PrintHood, SendTo, Favorites, ...
  }
}

}  // namespace norvane
