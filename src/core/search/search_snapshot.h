#pragma once
// The snapshot one search runs on: its target folders and its own copies of the criteria.
#include <string>

#include "core/search/search_criteria.h"
#include "core/search/search_record.h"
#include "core/search/target_folder_list.h"
#include "platform/directory_reader.h"

namespace norvane {

class SearchSnapshot {
 public:
  // Builds the targets from `criteria`; relative folders are taken against `currentDirectory`.
  SearchSnapshot(const SearchCriteria& criteria, const std::string& currentDirectory);

  TargetFolderList TargetFolders;
  AttributeCriteria Attribute;
  AttributeCriteriaEx AttributeEx;
  DateTimeCriteria TimeStamp;
  SizeCriteria Size;
  ContentCriteria Content;

  // The acceptance test of one entry of `folder`, cheapest test first; the file is opened for
  // the content test only when everything else passed. `directory`, when given, is the open
  // folder, which spares the content test a path look-up.
  bool Matches(const std::string& folder, const SearchRecord& entry,
               Directory* directory = nullptr) const;

 private:
  void BuildTargets(const SearchCriteria& criteria);
};

}  // namespace norvane
