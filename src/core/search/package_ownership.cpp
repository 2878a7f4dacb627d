#include "core/search/package_ownership.h"

#include <algorithm>

namespace norvane {

void PackageOwnership::beginTarget(const std::string& targetFolder) {
  targetFolder_ = targetFolder;
  realTargetKnown_ = false;
}

bool PackageOwnership::owns(const std::string& folder, std::string_view name, FolderCache& cache) {
  if (!database_) return false;
  if (!files_) {
    files_ = database_->load();
    if (!files_) {
      database_.reset();  // nothing to read: no file is a package's
      return false;
    }
  }
  if (!cache.resolved) {
    if (!realTargetKnown_) {
      realTarget_ = reader_.realFolderPath(targetFolder_);
      if (realTarget_.empty() || realTarget_.back() != '/') realTarget_ += '/';
      realTargetKnown_ = true;
    }
    const std::size_t below = std::min(targetFolder_.size(), folder.size());
    path_.assign(realTarget_).append(folder, below, std::string::npos);
    cache.folder = files_->findFolder(path_);
    cache.resolved = true;
  }
  return cache.folder != PackageFiles::kNoFolder && files_->isOwned(cache.folder, name);
}

}  // namespace norvane
