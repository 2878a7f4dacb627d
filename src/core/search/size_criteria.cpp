#include "core/search/size_criteria.h"

namespace norvane {

void SizeCriteria::Assign(const Assignable* Source) {
  auto* source = dynamic_cast<const SizeCriteria*>(Source);
  if (!source) return Assignable::Assign(Source);
  min_ = source->min_;
  max_ = source->max_;
}

}  // namespace norvane
