#pragma once
// Creation, modification and access windows. Each bound is inclusive and picks its own
// granularity: a date alone covers that whole day, a time alone the time of day on any date.
#include "core/search/persistent.h"
#include "core/search/search_types.h"

namespace norvane {

class TDateTimeCriteria : public TPersistent {
 public:
  const char* ClassName() const override { return "TDateTimeCriteria"; }
  void Assign(const TPersistent* Source) override;
  using TPersistent::Assign;

  TDateTime CreatedBefore() const { return createdBefore_; }
  void SetCreatedBefore(TDateTime v) { createdBefore_ = v; }
  TDateTime CreatedAfter() const { return createdAfter_; }
  void SetCreatedAfter(TDateTime v) { createdAfter_ = v; }
  TDateTime ModifiedBefore() const { return modifiedBefore_; }
  void SetModifiedBefore(TDateTime v) { modifiedBefore_ = v; }
  TDateTime ModifiedAfter() const { return modifiedAfter_; }
  void SetModifiedAfter(TDateTime v) { modifiedAfter_ = v; }
  TDateTime AccessedBefore() const { return accessedBefore_; }
  void SetAccessedBefore(TDateTime v) { accessedBefore_ = v; }
  TDateTime AccessedAfter() const { return accessedAfter_; }
  void SetAccessedAfter(TDateTime v) { accessedAfter_ = v; }

  bool Matches(TFileTime created, TFileTime modified, TFileTime accessed) const;

 private:
  TDateTime createdBefore_ = 0;
  TDateTime createdAfter_ = 0;
  TDateTime modifiedBefore_ = 0;
  TDateTime modifiedAfter_ = 0;
  TDateTime accessedBefore_ = 0;
  TDateTime accessedAfter_ = 0;
};

// The window test of one value against a pair of bounds (0 = unbounded).
bool IsDateBetween(TDateTime value, TDateTime before, TDateTime after);

}  // namespace norvane
