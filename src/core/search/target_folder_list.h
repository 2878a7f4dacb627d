#pragma once
// The target folders of one search, newest first, and the exclusion patterns.
#include <memory>
#include <string>
#include <vector>

#include "core/search/search_types.h"
#include "core/search/target_folder.h"

namespace norvane {

class TargetFolderList {
 public:
  // Relative folders are made absolute against `currentDirectory`.
  explicit TargetFolderList(std::string currentDirectory)
      : currentDirectory_(std::move(currentDirectory)) {}

  std::size_t Count() const { return items_.size(); }
  TargetFolder& operator[](std::size_t i) { return *items_[i]; }
  const TargetFolder& operator[](std::size_t i) const { return *items_[i]; }

  // Index of the target whose Folder equals `path` byte for byte (Linux folders differ by
  // case), or -1.
  int IndexOfFolder(const std::string& path) const;
  // Finds or creates (at the front) the target for `path`, made absolute and ending in the
  // separator.
  TargetFolder& AddFolder(const std::string& path);
  // Does a line of ExcludedFiles, tried from the last, match `name` in `folder`.
  bool IsExcluded(const std::string& folder, const std::string& name) const;

  StringList ExcludedFiles;

 private:
  std::string currentDirectory_;
  std::vector<std::unique_ptr<TargetFolder>> items_;
};

}  // namespace norvane
