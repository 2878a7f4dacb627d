#include "core/search/size_criteria.h"

namespace norvane {

void TSizeCriteria::Assign(const TPersistent* Source) {
  auto* source = dynamic_cast<const TSizeCriteria*>(Source);
  if (!source) return TPersistent::Assign(Source);
  min_ = source->min_;
  max_ = source->max_;
}

}  // namespace norvane
