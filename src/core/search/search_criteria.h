#pragma once
// Everything a search looks for, as six criteria objects it owns.
#include "core/search/assignable.h"
#include "core/search/attribute_criteria.h"
#include "core/search/attribute_criteria_ex.h"
#include "core/search/content_criteria.h"
#include "core/search/date_time_criteria.h"
#include "core/search/file_criteria.h"
#include "core/search/size_criteria.h"

namespace norvane {

class SearchCriteria : public Assignable {
 public:
  SearchCriteria() = default;
  SearchCriteria(const SearchCriteria& other) : Assignable() { Assign(&other); }
  SearchCriteria& operator=(const SearchCriteria& other) {
    Assign(&other);
    return *this;
  }

  const char* ClassName() const override { return "SearchCriteria"; }
  void Assign(const Assignable* Source) override;
  using Assignable::Assign;

  // Each setter copies into the object already owned; owned objects are never replaced.
  FileCriteria& Files() { return files_; }
  const FileCriteria& Files() const { return files_; }
  void SetFiles(const FileCriteria& value) { files_.Assign(&value); }
  AttributeCriteria& Attribute() { return attribute_; }
  const AttributeCriteria& Attribute() const { return attribute_; }
  void SetAttribute(const AttributeCriteria& value) { attribute_.Assign(&value); }
  AttributeCriteriaEx& AttributeEx() { return attributeEx_; }
  const AttributeCriteriaEx& AttributeEx() const { return attributeEx_; }
  void SetAttributeEx(const AttributeCriteriaEx& value) { attributeEx_.Assign(&value); }
  DateTimeCriteria& TimeStamp() { return timeStamp_; }
  const DateTimeCriteria& TimeStamp() const { return timeStamp_; }
  void SetTimeStamp(const DateTimeCriteria& value) { timeStamp_.Assign(&value); }
  SizeCriteria& Size() { return size_; }
  const SizeCriteria& Size() const { return size_; }
  void SetSize(const SizeCriteria& value) { size_.Assign(&value); }
  ContentCriteria& Content() { return content_; }
  const ContentCriteria& Content() const { return content_; }
  void SetContent(const ContentCriteria& value) { content_.Assign(&value); }

 private:
  FileCriteria files_;
  AttributeCriteria attribute_;
  AttributeCriteriaEx attributeEx_;
  DateTimeCriteria timeStamp_;
  SizeCriteria size_;
  ContentCriteria content_;
};

}  // namespace norvane
