#include "core/search/target_folder_list.h"

#include "core/search/path_parts.h"
#include "core/search/wildcard.h"

namespace norvane {

int TargetFolderList::IndexOfFolder(const std::string& path) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i]->Folder == path) return static_cast<int>(i);
  }
  return -1;
}

TargetFolder& TargetFolderList::AddFolder(const std::string& path) {
  std::string folder = AddBackslash(fullPathName(path, currentDirectory_));
  int index = IndexOfFolder(folder);
  if (index >= 0) return *items_[static_cast<std::size_t>(index)];
  items_.insert(items_.begin(), std::make_unique<TargetFolder>(std::move(folder)));
  return *items_.front();
}

bool TargetFolderList::IsExcluded(const std::string& folder, const std::string& name) const {
  for (std::size_t i = ExcludedFiles.size(); i-- > 0;) {
    if (ExcludeItemMatches(folder, name, ExcludedFiles[i])) return true;
  }
  return false;
}

}  // namespace norvane
