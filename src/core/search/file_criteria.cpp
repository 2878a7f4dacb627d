#include "core/search/file_criteria.h"

namespace norvane {

void TFileCriteria::Assign(const TPersistent* Source) {
  auto* source = dynamic_cast<const TFileCriteria*>(Source);
  if (!source) return TPersistent::Assign(Source);
  if (source == this) return;
  fileName_ = source->fileName_;
  location_ = source->location_;
  included_ = source->included_;
  excluded_ = source->excluded_;
  subfolders_ = source->subfolders_;
  minLevel_ = source->minLevel_;
  maxLevel_ = source->maxLevel_;
}

}  // namespace norvane
