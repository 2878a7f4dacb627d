#pragma once
// Which folders and name masks a search covers.
#include <cstdint>
#include <string>

#include "core/search/assignable.h"
#include "core/search/search_types.h"

namespace norvane {

class FileCriteria : public Assignable {
 public:
  const char* ClassName() const override { return "FileCriteria"; }
  void Assign(const Assignable* Source) override;
  using Assignable::Assign;

  // Name masks separated by ";".
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& value) { fileName_ = value; }
  // Folders separated by ";", each optionally prefixed by "<" or ">".
  const std::string& Location() const { return location_; }
  void SetLocation(const std::string& value) { location_ = value; }
  // The list forms of the two above: one mask or folder per item, taken as it stands (no
  // cutting at ";", no trimming), so a folder named "a;b" or " a" is itself. A search uses
  // the text form's items first, then the list's; an empty item is skipped and a repeat
  // counts once. A folder item may still carry a "<" or ">" prefix.
  const StringList& Masks() const { return masks_; }
  StringList& Masks() { return masks_; }
  void SetMasks(const StringList& value) { masks_ = value; }
  const StringList& Locations() const { return locations_; }
  StringList& Locations() { return locations_; }
  void SetLocations(const StringList& value) { locations_ = value; }
  // One folder-and-mask per line, optionally prefixed by "<" or ">".
  const StringList& Included() const { return included_; }
  StringList& Included() { return included_; }
  void SetIncluded(const StringList& value) { included_ = value; }
  // One exclusion pattern per line.
  const StringList& Excluded() const { return excluded_; }
  StringList& Excluded() { return excluded_; }
  void SetExcluded(const StringList& value) { excluded_ = value; }
  bool Subfolders() const { return subfolders_; }
  void SetSubfolders(bool value) { subfolders_ = value; }
  std::uint16_t MinLevel() const { return minLevel_; }
  void SetMinLevel(std::uint16_t value) { minLevel_ = value; }
  std::uint16_t MaxLevel() const { return maxLevel_; }
  void SetMaxLevel(std::uint16_t value) { maxLevel_ = value; }

 private:
  std::string fileName_;
  std::string location_;
  StringList masks_;
  StringList locations_;
  StringList included_;
  StringList excluded_;
  bool subfolders_ = true;
  std::uint16_t minLevel_ = 0;
  std::uint16_t maxLevel_ = 0;
};

}  // namespace norvane
