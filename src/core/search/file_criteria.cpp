#include "core/search/file_criteria.h"

namespace norvane {

void FileCriteria::Assign(const Assignable* Source) {
  auto* source = dynamic_cast<const FileCriteria*>(Source);
  if (!source) return Assignable::Assign(Source);
  if (source == this) return;
  fileName_ = source->fileName_;
  location_ = source->location_;
  masks_ = source->masks_;
  locations_ = source->locations_;
  included_ = source->included_;
  excluded_ = source->excluded_;
  subfolders_ = source->subfolders_;
  minLevel_ = source->minLevel_;
  maxLevel_ = source->maxLevel_;
}

}  // namespace norvane
