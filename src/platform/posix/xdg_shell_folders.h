#pragma once
// Well-known folders on a freedesktop system: the XDG base and user folders stand in for the
// shell's special folders.
#include <map>
#include <string>

#include "platform/shell_folders.h"

namespace norvane {

// The environment the folders come from, so tests can supply their own.
struct ShellEnvironment {
  std::string home;           // $HOME (or the password database)
  std::string tmpDir;         // $TMPDIR, may be empty
  std::string xdgConfigHome;  // may be empty: $HOME/.config
  std::string xdgCacheHome;   // may be empty: $HOME/.cache
  std::string xdgDataHome;    // may be empty: $HOME/.local/share

  // The values of the running process.
  static ShellEnvironment fromProcess();
};

class XdgShellFolders : public ShellFolders {
 public:
  explicit XdgShellFolders(ShellEnvironment env);

  std::string windowsFolder() override;
  std::string systemFolder() override;
  std::string tempFolder() override;
  std::string specialFolder(int csidl) override;
  std::string programFilesDir() override;

  std::string configHome() const;
  std::string cacheHome() const;
  std::string dataHome() const;
  // A user folder from user-dirs.dirs ("DESKTOP", "DOCUMENTS", ...), read afresh; when it is
  // not set there, $HOME/Desktop for the desktop and $HOME for the others.
  std::string userDir(const std::string& key) const;

  // The entries of a user-dirs.dirs text, with "$HOME" expanded: key "DESKTOP" for the line
  // XDG_DESKTOP_DIR="$HOME/Desktop". Lines in any other form are ignored.
  static std::map<std::string, std::string> parseUserDirs(const std::string& text,
                                                          const std::string& home);

 private:
  ShellEnvironment env_;
};

}  // namespace norvane
