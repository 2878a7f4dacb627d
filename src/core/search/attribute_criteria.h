#pragma once
// Which combinations of the five basic attribute flags an entry may have.
#include <cstdint>

#include "core/search/assignable.h"
#include "core/search/search_types.h"

namespace norvane {

class AttributeCriteria : public Assignable {
 public:
  const char* ClassName() const override { return "AttributeCriteria"; }
  void Assign(const Assignable* Source) override;
  using Assignable::Assign;

  FileAttributes Attributes() const;
  void SetAttributes(const FileAttributes& value);
  bool ExactMatch() const { return exactMatch_; }
  void SetExactMatch(bool value) { exactMatch_ = value; }
  // The set as attribute flags.
  std::uint32_t Mask() const { return mask_; }

  bool Matches(std::uint32_t attributes) const {
    const std::uint32_t flags = attributes & 0x37;
    return exactMatch_ ? flags == mask_ : (flags & ~mask_) == 0;
  }

 private:
  std::uint32_t mask_ = 0x27;  // archive, read-only, hidden, system
  bool exactMatch_ = false;
};

}  // namespace norvane
