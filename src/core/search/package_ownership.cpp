#include "core/search/package_ownership.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <system_error>

namespace norvane {

namespace {

// How often the caller's work runs while the database loads.
constexpr auto kLoadingPoll = std::chrono::milliseconds(15);

}  // namespace

std::shared_ptr<const PackageFiles> PackageOwnership::load() {
  if (!whileLoading_) return database_->load();
  std::future<std::shared_ptr<const PackageFiles>> loading;
  try {
    loading = std::async(std::launch::async, [database = database_] { return database->load(); });
  } catch (const std::system_error&) {
    return database_->load();  // no thread to spare: load here
  }
  while (loading.wait_for(kLoadingPoll) != std::future_status::ready) whileLoading_();
  return loading.get();
}

void PackageOwnership::beginTarget(const std::string& targetFolder) {
  targetFolder_ = targetFolder;
  realTargetKnown_ = false;
}

bool PackageOwnership::owns(const std::string& folder, std::string_view name, FolderCache& cache) {
  if (!database_) return false;
  if (!files_) {
    files_ = load();
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
