#pragma once
// The recycle bins on a freedesktop system: the home trash plus the per-mount trash folders
// $topdir/.Trash/$uid and $topdir/.Trash-$uid.
#include <functional>
#include <string>
#include <vector>

#include "platform/posix/mount_info.h"
#include "platform/trash.h"

namespace norvane {

struct TrashLocations {
  std::string homeTrash;  // $XDG_DATA_HOME/Trash
  unsigned uid = 0;
  // The mount points to look for trash folders in, asked afresh on every query.
  std::function<std::vector<std::string>()> topDirs;
};

class FreedesktopTrash : public Trash {
 public:
  explicit FreedesktopTrash(TrashLocations locations);

  bool available() override { return true; }
  int query(TrashContents& out) override;
  int empty() override;

  // Mount points that may carry a trash folder: every local disk file system, removable
  // or not, each device once.
  static std::vector<std::string> topDirsOf(const std::vector<MountEntry>& entries);

 private:
  // Opens every trash folder that exists and is trustworthy (a real folder, not a link;
  // .Trash sticky), each once. Returns 0 or the errno of one that exists but can't be opened.
  int openTrashFolders(std::vector<int>& fds);

  TrashLocations locations_;
};

}  // namespace norvane
