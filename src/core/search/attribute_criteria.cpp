#include "core/search/attribute_criteria.h"

namespace norvane {

namespace {

struct FlagOf {
  TFileAttribute attribute;
  std::uint32_t flag;
};

constexpr FlagOf kFlags[] = {
    {ffArchive, 0x20}, {ffReadonly, 0x1}, {ffHidden, 0x2}, {ffSystem, 0x4}, {ffDirectory, 0x10},
};

}  // namespace

void TAttributeCriteria::Assign(const TPersistent* Source) {
  auto* source = dynamic_cast<const TAttributeCriteria*>(Source);
  if (!source) return TPersistent::Assign(Source);
  mask_ = source->mask_;
  exactMatch_ = source->exactMatch_;
}

TFileAttributes TAttributeCriteria::Attributes() const {
  TFileAttributes set;
  for (const FlagOf& f : kFlags) {
    if (mask_ & f.flag) set.Include(f.attribute);
  }
  return set;
}

void TAttributeCriteria::SetAttributes(const TFileAttributes& value) {
  std::uint32_t mask = 0;
  for (const FlagOf& f : kFlags) {
    if (value.Contains(f.attribute)) mask |= f.flag;
  }
  mask_ = mask;
}

}  // namespace norvane
