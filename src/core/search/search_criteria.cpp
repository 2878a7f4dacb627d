#include "core/search/search_criteria.h"

namespace norvane {

void SearchCriteria::Assign(const Assignable* Source) {
  auto* source = dynamic_cast<const SearchCriteria*>(Source);
  if (!source) return Assignable::Assign(Source);
  if (source == this) return;
  files_.Assign(&source->files_);
  attribute_.Assign(&source->attribute_);
  attributeEx_.Assign(&source->attributeEx_);
  timeStamp_.Assign(&source->timeStamp_);
  size_.Assign(&source->size_);
  content_.Assign(&source->content_);
}

}  // namespace norvane
