#include "core/search/target_folder.h"

namespace norvane {

void TargetFolder::prepareMasks() {
  compiledMasks_.clear();
  compiledMasks_.reserve(FileMasks.size());
  for (const std::string& mask : FileMasks) compiledMasks_.emplace_back(mask);
}

}  // namespace norvane
