#pragma once
// Size window in bytes; 0 leaves a side open.
#include <cstdint>

#include "core/search/assignable.h"

namespace norvane {

class SizeCriteria : public Assignable {
 public:
  const char* ClassName() const override { return "SizeCriteria"; }
  void Assign(const Assignable* Source) override;
  using Assignable::Assign;

  std::int64_t Min() const { return min_; }
  void SetMin(std::int64_t v) { min_ = v; }
  std::int64_t Max() const { return max_; }
  void SetMax(std::int64_t v) { max_ = v; }

  bool Matches(std::int64_t size) const {
    return (min_ == 0 || size >= min_) && (max_ == 0 || size <= max_);
  }

 private:
  std::int64_t min_ = 0;
  std::int64_t max_ = 0;
};

}  // namespace norvane
