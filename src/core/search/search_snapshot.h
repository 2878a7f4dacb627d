#pragma once
// The snapshot one search runs on: its target folders and its own copies of the criteria.
#include <cstdint>
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

  // The two attribute tests alone.
  bool AttributesMatch(std::uint32_t attributes) const {
    return Attribute.Matches(attributes) && AttributeEx.Matches(attributes);
  }
  // Whether the system attribute decides the attribute tests of an entry whose other
  // attributes are `attributes`; when it doesn't, nobody needs to know whether it is set.
  bool SystemAttributeDecides(std::uint32_t attributes) const {
    return AttributesMatch(attributes | kFileAttributeSystem) !=
           AttributesMatch(attributes & ~kFileAttributeSystem);
  }

 private:
  void BuildTargets(const SearchCriteria& criteria);
};

}  // namespace norvane
