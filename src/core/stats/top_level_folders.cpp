#include "core/stats/top_level_folders.h"

#include <memory>

namespace norvane {

std::string childPath(std::string_view root, std::string_view name) {
  while (!root.empty() && root.back() == '/') root.remove_suffix(1);
  std::string path;
  path.reserve(root.size() + 1 + name.size());
  path.append(root);
  path.push_back('/');
  path.append(name);
  return path;
}

TopLevelFolders listTopLevelFolders(DirectoryReader& reader, const std::string& root) {
  TopLevelFolders result;
  std::unique_ptr<Directory> folder;
  if (reader.openFolder(root, folder) != OpenResult::Opened || !folder) return result;
  DirectoryListing listing;
  if (!folder->list(listing)) return result;
  result.listed = true;
  constexpr std::uint32_t kLeftOut =
      kFileAttributeHidden | kFileAttributeSystem | kFileAttributeReparsePoint;
  FileRecord record;
  for (std::size_t i = 0; i < listing.size(); ++i) {
    // The look-up never follows a link: a link shows as a link, not as its target.
    if (!folder->stat(listing.name(i), record)) continue;  // gone meanwhile
    if ((record.attributes & kFileAttributeDirectory) == 0 || (record.attributes & kLeftOut) != 0)
      continue;
    result.folders.push_back(childPath(root, listing.nameView(i)));
  }
  return result;
}

}  // namespace norvane
