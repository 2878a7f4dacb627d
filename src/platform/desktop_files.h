#pragma once
// The files behind the uninstall registrations: desktop entries in the folders that the
// freedesktop menu reads.
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace norvane {

// Where the desktop entries of this session are looked for.
struct DesktopEnvironment {
  std::string home;      // the user's home folder
  std::string dataHome;  // $XDG_DATA_HOME, may be empty: home + "/.local/share"
  std::string dataDirs;  // $XDG_DATA_DIRS as it is, may be empty: "/usr/local/share:/usr/share"
  // The machine's Flatpak exports and the Snap desktop folder.
  std::string systemFlatpakApplications = "/var/lib/flatpak/exports/share/applications";
  std::string snapApplications = "/var/lib/snapd/desktop/applications";
};

class DesktopFiles {
 public:
  virtual ~DesktopFiles() = default;
  // The "*.desktop" files (and links to files) in `folder` and its sub-folders, as paths
  // relative to it, in no particular order. Links to folders are not entered. Empty when the
  // folder can't be read.
  virtual std::vector<std::string> list(const std::string& folder) = 0;
  // The content of a file, a link followed; nullopt when it can't be read, is not a regular
  // file or is absurdly large.
  virtual std::optional<std::string> read(const std::string& path) = 0;
  // `path` with every link resolved; "" when it does not exist.
  virtual std::string realPath(const std::string& path) = 0;
  // Removes the file or link at `path` itself, never a folder. 0 or an errno-style code.
  virtual int remove(const std::string& path) = 0;
};

std::shared_ptr<DesktopFiles> makeHostDesktopFiles();
// The running session's folders.
DesktopEnvironment hostDesktopEnvironment();

}  // namespace norvane
