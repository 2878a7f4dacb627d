#include "core/search/attribute_criteria_ex.h"

namespace norvane {

namespace {

constexpr std::uint32_t kFlagOfIndex[] = {
    0, 0x20, 0x1, 0x2, 0x4, 0x10, 0x800, 0x4000, 0x1000, 0x400, 0x200, 0x100,
};

std::uint32_t flagOf(int index) { return index >= 1 && index <= 11 ? kFlagOfIndex[index] : 0; }

}  // namespace

void AttributeCriteriaEx::Assign(const Assignable* Source) {
  auto* source = dynamic_cast<const AttributeCriteriaEx*>(Source);
  if (!source) return Assignable::Assign(Source);
  setMask_ = source->setMask_;
  clearMask_ = source->clearMask_;
}

FileAttributeStatus AttributeCriteriaEx::GetAttributeStatus(int index) const {
  std::uint32_t flag = flagOf(index);
  if (setMask_ & flag) return fsSet;
  if (clearMask_ & flag) return fsUnset;
  return fsIgnore;
}

void AttributeCriteriaEx::SetAttributeStatus(int index, FileAttributeStatus value) {
  std::uint32_t flag = flagOf(index);
  setMask_ &= ~flag;
  clearMask_ &= ~flag;
  if (value == fsSet) setMask_ |= flag;
  if (value == fsUnset) clearMask_ |= flag;
}

}  // namespace norvane
