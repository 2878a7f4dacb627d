#pragma once
// The snapshot one search runs on: its target folders and its own copies of the criteria.
#include <string>

#include "platform/directory_reader.h"
#include "core/search/search_criteria.h"
#include "core/search/search_rec.h"
#include "core/search/target_folder_list.h"

namespace norvane {

class TTargetSearch {
 public:
  // Builds the targets from `criteria`; relative folders are taken against `currentDirectory`.
  TTargetSearch(const TSearchCriteria& criteria, const std::string& currentDirectory);

  TTargetFolderList TargetFolders;
  TAttributeCriteria Attribute;
  TAttributeCriteriaEx AttributeEx;
  TDateTimeCriteria TimeStamp;
  TSizeCriteria Size;
  TContentCriteria Content;

  // The acceptance test of one entry of `folder`, cheapest test first; the file is opened for
  // the content test only when everything else passed. `directory`, when given, is the open
  // folder, which spares the content test a path look-up.
  bool Matches(const std::string& folder, const TSearchRec& entry,
               Directory* directory = nullptr) const;

 private:
  void BuildTargets(const TSearchCriteria& criteria);
};

}  // namespace norvane
