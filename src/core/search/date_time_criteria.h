#pragma once
// Creation, modification and access windows. Each bound is inclusive and picks its own
// granularity: a date alone covers that whole day, a time alone the time of day on any date.
#include "core/search/assignable.h"
#include "core/search/search_types.h"

namespace norvane {

class DateTimeCriteria : public Assignable {
 public:
  const char* ClassName() const override { return "DateTimeCriteria"; }
  void Assign(const Assignable* Source) override;
  using Assignable::Assign;

  DateTime CreatedBefore() const { return createdBefore_; }
  void SetCreatedBefore(DateTime v) { createdBefore_ = v; }
  DateTime CreatedAfter() const { return createdAfter_; }
  void SetCreatedAfter(DateTime v) { createdAfter_ = v; }
  DateTime ModifiedBefore() const { return modifiedBefore_; }
  void SetModifiedBefore(DateTime v) { modifiedBefore_ = v; }
  DateTime ModifiedAfter() const { return modifiedAfter_; }
  void SetModifiedAfter(DateTime v) { modifiedAfter_ = v; }
  DateTime AccessedBefore() const { return accessedBefore_; }
  void SetAccessedBefore(DateTime v) { accessedBefore_ = v; }
  DateTime AccessedAfter() const { return accessedAfter_; }
  void SetAccessedAfter(DateTime v) { accessedAfter_ = v; }

  bool Matches(FileTime created, FileTime modified, FileTime accessed) const;

 private:
  DateTime createdBefore_ = 0;
  DateTime createdAfter_ = 0;
  DateTime modifiedBefore_ = 0;
  DateTime modifiedAfter_ = 0;
  DateTime accessedBefore_ = 0;
  DateTime accessedAfter_ = 0;
};

// The window test of one value against a pair of bounds (0 = unbounded).
bool IsDateBetween(DateTime value, DateTime before, DateTime after);

}  // namespace norvane
