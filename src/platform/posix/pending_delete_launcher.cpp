#include "platform/posix/pending_delete_launcher.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/file_content.h"
#include "platform/posix/trusted_copy.h"
#include "platform/program_location.h"

namespace norvane {

namespace {

std::string envOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  // XDG: a relative value is invalid and ignored.
  return value && value[0] == '/' ? std::string(value) : fallback;
}

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return home;
  if (passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/";
}

bool hasControlCharacter(const std::string& text) {
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

// systemd: a double-quoted word with C escapes; "%" starts a specifier and "$" a variable.
std::string systemdQuote(const std::string& word) {
  std::string out = "\"";
  for (char c : word) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '%') out += '%';
    if (c == '$') out += '$';
    out += c;
  }
  return out + "\"";
}

// Desktop entry Exec: a double-quoted argument escapes " ` $ \ with a backslash and a
// literal "%" is "%%"; then the key's string value escapes every backslash again.
std::string desktopQuote(const std::string& word) {
  std::string arg = "\"";
  for (char c : word) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') arg += '\\';
    if (c == '%') arg += '%';
    arg += c;
  }
  arg += '"';
  std::string value;
  for (char c : arg) {
    if (c == '\\') value += '\\';
    value += c;
  }
  return value;
}

int makeFolders(const std::string& folder, mode_t mode) {
  if (folder.empty() || folder == "/") return 0;
  struct stat st;
  if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
  auto slash = folder.rfind('/');
  if (slash != std::string::npos && slash > 0)
    if (int err = makeFolders(folder.substr(0, slash), mode)) return err;
  if (::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST) return errno;
  return 0;
}

// Writes `content` unless the file already holds exactly that.
int writeIfChanged(const std::string& path, const std::string& content) {
  std::string current;
  if (readWholeFile(path, current, 1u << 20) == ReadFileStatus::Ok && current == content) return 0;
  return writeWholeFile(path, content);
}

// The link that enables the unit, as `systemctl enable` makes it.
int ensureLink(const std::string& linkPath, const std::string& target) {
  char buffer[PATH_MAX];
  ssize_t n = ::readlink(linkPath.c_str(), buffer, sizeof buffer - 1);
  if (n >= 0 && std::string(buffer, static_cast<std::size_t>(n)) == target) return 0;
  std::string temp = linkPath + ".new";
  ::unlink(temp.c_str());
  if (::symlink(target.c_str(), temp.c_str()) != 0) return errno;
  if (::rename(temp.c_str(), linkPath.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    return err;
  }
  return 0;
}

// Where the launcher's files lie; install and remove must agree on them.
std::string unitPath(const PendingDeleteSetup& setup) {
  return setup.systemdUnitDir + "/" + kPendingDeleteUnitName;
}

std::string wantsFolder(const PendingDeleteSetup& setup) {
  return setup.systemdUnitDir + "/multi-user.target.wants";
}

std::string wantsLinkPath(const PendingDeleteSetup& setup) {
  return wantsFolder(setup) + "/" + kPendingDeleteUnitName;
}

std::string autostartEntryPath(const PendingDeleteSetup& setup) {
  return setup.autostartDir + "/" + kPendingDeleteAutostartName;
}

}  // namespace

PendingDeleteSetup defaultPendingDeleteSetup() {
  PendingDeleteSetup setup;
  setup.helperPath = runningProgramFolder() + "/" + kPendingDeleteHelperName;
  if (::geteuid() == 0) {
    setup.helperSource = setup.helperPath;
    setup.helperPath = kRootHelperPath;
    setup.helperOwner = 0;
    setup.launch = PendingDeleteSetup::Launch::SystemdUnit;
    setup.listPath = "/var/lib/norvane/pending-delete.list";
    setup.systemdUnitDir = "/etc/systemd/system";
  } else {
    setup.launch = PendingDeleteSetup::Launch::Autostart;
    const std::string home = homeFolder();
    setup.listPath =
        envOr("XDG_STATE_HOME", home + "/.local/state") + "/norvane/pending-delete.list";
    setup.autostartDir = envOr("XDG_CONFIG_HOME", home + "/.config") + "/autostart";
  }
  return setup;
}

std::string systemdExecLine(const PendingDeleteSetup& setup) {
  if (hasControlCharacter(setup.helperPath) || hasControlCharacter(setup.listPath) ||
      hasControlCharacter(setup.systemdUnitDir))
    return {};
  return systemdQuote(setup.helperPath) + " --list " + systemdQuote(setup.listPath) +
         " --systemd-unit-dir " + systemdQuote(setup.systemdUnitDir);
}

std::string desktopExecLine(const PendingDeleteSetup& setup) {
  if (hasControlCharacter(setup.helperPath) || hasControlCharacter(setup.listPath) ||
      hasControlCharacter(setup.autostartDir))
    return {};
  return desktopQuote(setup.helperPath) + " --list " + desktopQuote(setup.listPath) +
         " --autostart-dir " + desktopQuote(setup.autostartDir);
}

std::string systemdUnitText(const PendingDeleteSetup& setup) {
  return "[Unit]\n"
         "Description=Norvane: delete the files registered for deletion at restart\n"
         "After=local-fs.target\n"
         "Before=systemd-user-sessions.service display-manager.service\n"
         "\n"
         "[Service]\n"
         "Type=oneshot\n"
         "ExecStart=" +
         systemdExecLine(setup) +
         "\n"
         "\n"
         "[Install]\n"
         "WantedBy=multi-user.target\n";
}

std::string autostartEntryText(const PendingDeleteSetup& setup) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Norvane pending deletions\n"
         "Name[zh_CN]=Norvane重启删除\n"
         "Comment=Deletes the files Norvane registered for deletion at the next start\n"
         "Exec=" +
         desktopExecLine(setup) +
         "\n"
         "Terminal=false\n"
         "NoDisplay=true\n"
         "X-GNOME-Autostart-enabled=true\n";
}

int installPendingDeleteLauncher(const PendingDeleteSetup& setup) {
  if (setup.helperPath.empty() || setup.listPath.empty()) return EINVAL;
  if (!setup.helperSource.empty())
    if (int err = installTrustedCopy(setup.helperSource, setup.helperPath, setup.helperOwner))
      return err;
  // A registration the helper can never carry out must not be reported as accepted.
  if (::access(setup.helperPath.c_str(), X_OK) != 0) return errno;
  if (setup.launch == PendingDeleteSetup::Launch::SystemdUnit) {
    if (setup.systemdUnitDir.empty() || systemdExecLine(setup).empty()) return EINVAL;
    if (int err = makeFolders(wantsFolder(setup), 0755)) return err;
    if (int err = writeIfChanged(unitPath(setup), systemdUnitText(setup))) return err;
    return ensureLink(wantsLinkPath(setup), unitPath(setup));
  }
  if (setup.autostartDir.empty() || desktopExecLine(setup).empty()) return EINVAL;
  if (int err = makeFolders(setup.autostartDir, 0700)) return err;
  return writeIfChanged(autostartEntryPath(setup), autostartEntryText(setup));
}

int removePendingDeleteLauncher(const PendingDeleteSetup& setup) {
  auto remove = [](const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
  };
  if (setup.launch == PendingDeleteSetup::Launch::SystemdUnit) {
    if (setup.systemdUnitDir.empty()) return EINVAL;
    // The enabling link first: a unit left without it never runs.
    if (int err = remove(wantsLinkPath(setup))) return err;
    return remove(unitPath(setup));
  }
  if (setup.autostartDir.empty()) return EINVAL;
  return remove(autostartEntryPath(setup));
}

}  // namespace norvane
