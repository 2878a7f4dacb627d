#include "core/search/date_time_criteria.h"

#include <cmath>

#include "core/search/file_time.h"

namespace norvane {

namespace {

double intPart(double v) { return std::trunc(v); }
double fracPart(double v) { return v - std::trunc(v); }

bool pairMatches(FileTime time, DateTime before, DateTime after) {
  if (before == 0 && after == 0) return true;
  return IsDateBetween(FileTimeToLocalDateTime(time), before, after);
}

}  // namespace

bool IsDateBetween(DateTime value, DateTime before, DateTime after) {
  if (before != 0) {
    bool ok;
    if (fracPart(before) == 0) {
      ok = intPart(value) <= before;
    } else if (intPart(before) == 0) {
      ok = fracPart(value) <= before;
    } else {
      ok = value <= before;
    }
    if (!ok) return false;
  }
  if (after != 0) {
    if (fracPart(after) == 0) return intPart(value) >= after;
    if (intPart(after) == 0) return fracPart(value) >= after;
    return value >= after;
  }
  return true;
}

void DateTimeCriteria::Assign(const Assignable* Source) {
  auto* source = dynamic_cast<const DateTimeCriteria*>(Source);
  if (!source) return Assignable::Assign(Source);
  createdBefore_ = source->createdBefore_;
  createdAfter_ = source->createdAfter_;
  modifiedBefore_ = source->modifiedBefore_;
  modifiedAfter_ = source->modifiedAfter_;
  accessedBefore_ = source->accessedBefore_;
  accessedAfter_ = source->accessedAfter_;
}

bool DateTimeCriteria::Matches(FileTime created, FileTime modified, FileTime accessed) const {
  return pairMatches(created, createdBefore_, createdAfter_) &&
         pairMatches(modified, modifiedBefore_, modifiedAfter_) &&
         pairMatches(accessed, accessedBefore_, accessedAfter_);
}

}  // namespace norvane
