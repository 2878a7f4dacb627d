#include "core/search/attribute_criteria.h"

namespace norvane {

namespace {

struct FlagOf {
  FileAttribute attribute;
  std::uint32_t flag;
};

constexpr FlagOf kFlags[] = {
    {ffArchive, 0x20}, {ffReadonly, 0x1}, {ffHidden, 0x2}, {ffSystem, 0x4}, {ffDirectory, 0x10},
};

}  // namespace

void AttributeCriteria::Assign(const Assignable* Source) {
  auto* source = dynamic_cast<const AttributeCriteria*>(Source);
  if (!source) return Assignable::Assign(Source);
  mask_ = source->mask_;
  exactMatch_ = source->exactMatch_;
}

FileAttributes AttributeCriteria::Attributes() const {
  FileAttributes set;
  for (const FlagOf& f : kFlags) {
    if (mask_ & f.flag) set.Include(f.attribute);
  }
  return set;
}

void AttributeCriteria::SetAttributes(const FileAttributes& value) {
  std::uint32_t mask = 0;
  for (const FlagOf& f : kFlags) {
    if (value.Contains(f.attribute)) mask |= f.flag;
  }
  mask_ = mask;
}

}  // namespace norvane
