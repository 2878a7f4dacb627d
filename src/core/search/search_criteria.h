#pragma once
// Everything a search looks for, as six criteria objects it owns.
#include "core/search/attribute_criteria.h"
#include "core/search/attribute_criteria_ex.h"
#include "core/search/content_criteria.h"
#include "core/search/date_time_criteria.h"
#include "core/search/file_criteria.h"
#include "core/search/persistent.h"
#include "core/search/size_criteria.h"

namespace norvane {

class TSearchCriteria : public TPersistent {
 public:
  TSearchCriteria() = default;
  TSearchCriteria(const TSearchCriteria& other) : TPersistent() { Assign(&other); }
  TSearchCriteria& operator=(const TSearchCriteria& other) {
    Assign(&other);
    return *this;
  }

  const char* ClassName() const override { return "TSearchCriteria"; }
  void Assign(const TPersistent* Source) override;
  using TPersistent::Assign;

  // Each setter copies into the object already owned; owned objects are never replaced.
  TFileCriteria& Files() { return files_; }
  const TFileCriteria& Files() const { return files_; }
  void SetFiles(const TFileCriteria& value) { files_.Assign(&value); }
  TAttributeCriteria& Attribute() { return attribute_; }
  const TAttributeCriteria& Attribute() const { return attribute_; }
  void SetAttribute(const TAttributeCriteria& value) { attribute_.Assign(&value); }
  TAttributeCriteriaEx& AttributeEx() { return attributeEx_; }
  const TAttributeCriteriaEx& AttributeEx() const { return attributeEx_; }
  void SetAttributeEx(const TAttributeCriteriaEx& value) { attributeEx_.Assign(&value); }
  TDateTimeCriteria& TimeStamp() { return timeStamp_; }
  const TDateTimeCriteria& TimeStamp() const { return timeStamp_; }
  void SetTimeStamp(const TDateTimeCriteria& value) { timeStamp_.Assign(&value); }
  TSizeCriteria& Size() { return size_; }
  const TSizeCriteria& Size() const { return size_; }
  void SetSize(const TSizeCriteria& value) { size_.Assign(&value); }
  TContentCriteria& Content() { return content_; }
  const TContentCriteria& Content() const { return content_; }
  void SetContent(const TContentCriteria& value) { content_.Assign(&value); }

 private:
  TFileCriteria files_;
  TAttributeCriteria attribute_;
  TAttributeCriteriaEx attributeEx_;
  TDateTimeCriteria timeStamp_;
  TSizeCriteria size_;
  TContentCriteria content_;
};

}  // namespace norvane
