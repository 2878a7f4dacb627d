#include "core/search/folder_contents.h"

namespace norvane {

void FolderContents::clear() {
  listing.clear();
  records.clear();
  recordState.clear();
  candidates.clear();
}

void FolderContents::swap(FolderContents& other) noexcept {
  listing.swap(other.listing);
  records.swap(other.records);
  recordState.swap(other.recordState);
  candidates.swap(other.candidates);
}

std::size_t FolderContents::memoryUsage() const {
  return listing.memoryUsage() + records.capacity() * sizeof(FileRecord) + recordState.capacity() +
         candidates.capacity();
}

FolderNeeds folderNeeds(const TargetFolder& target, std::uint32_t level) {
  FolderNeeds needs;
  needs.files = level >= target.MinLevel;
  needs.subfolders = target.Subfolders && (target.MaxLevel == 0 || level < target.MaxLevel);
  return needs;
}

std::vector<std::uint32_t> readFolder(Directory& directory, const TargetFolder& target,
                                      FolderNeeds needs, const std::atomic<bool>& stop,
                                      FolderContents& out) {
  std::vector<std::uint32_t> subfolders;
  // What could be read stays usable: a folder that fails half-way still gives its entries.
  directory.list(out.listing);
  const std::size_t count = out.listing.size();
  out.records.resize(count);
  out.recordState.assign(count, kNotLookedUp);
  out.candidates.clear();
  if (needs.files) {
    out.candidates.assign(count, 0);
    const std::vector<DosMask>& masks = target.compiledMasks();
    for (std::size_t i = 0; i < count && !stop; ++i) {
      const std::string_view name = out.listing.nameView(i);
      for (const DosMask& mask : masks) {
        if (mask.matches(name)) {
          out.candidates[i] = 1;
          out.lookUp(directory, i);
          break;
        }
      }
    }
  }
  if (needs.subfolders) {
    for (std::size_t i = 0; i < count && !stop; ++i) {
      if (out.isFolder(&directory, i)) subfolders.push_back(static_cast<std::uint32_t>(i));
    }
  }
  // Cut short: no name may pass for a non-match, and the caller drops the sub-folders.
  if (stop) out.candidates.clear();
  return subfolders;
}

}  // namespace norvane
