#pragma once
// One folder a search walks, with the masks enumerated in each of its folders.
#include <cstdint>
#include <string>
#include <vector>

#include "core/search/dos_mask.h"
#include "core/search/search_types.h"

namespace norvane {

class TargetFolder {
 public:
  explicit TargetFolder(std::string folder) : Folder(std::move(folder)) {}

  std::string Folder;  // absolute, ending in the separator; the key of the target
  bool Subfolders = true;
  StringList FileMasks;  // duplicates allowed: an entry is reported once per matching mask
  std::uint16_t MinLevel = 0;
  std::uint16_t MaxLevel = 0;

  // FileMasks prepared for matching; rebuilt by prepareMasks().
  const std::vector<DosMask>& compiledMasks() const { return compiledMasks_; }
  void prepareMasks();

 private:
  std::vector<DosMask> compiledMasks_;
};

}  // namespace norvane
