#include "core/search/content_criteria.h"

#include "core/search/file_contains_phrase.h"

namespace norvane {

void ContentCriteria::Assign(const Assignable* Source) {
  auto* source = dynamic_cast<const ContentCriteria*>(Source);
  if (!source) return Assignable::Assign(Source);
  SetPhrase(source->phrase_);
  SetIgnoreCase(source->ignoreCase_);
  wholeWord_ = source->wholeWord_;
}

void ContentCriteria::SetPhrase(const std::string& value) {
  if (value == phrase_) return;
  phrase_ = value;
  phraseLen_ = static_cast<std::int64_t>(phrase_.size());
  updateSearchText();
}

void ContentCriteria::SetIgnoreCase(bool value) {
  if (value == ignoreCase_) return;
  ignoreCase_ = value;
  updateSearchText();
  charMap_ = ignoreCase_ ? &LowerCaseMap : &IdentityMap;
}

void ContentCriteria::updateSearchText() {
  searchText_ = phrase_;
  if (ignoreCase_) {
    for (char& c : searchText_) c = lowerByte(c);
  }
}

bool ContentCriteria::Matches(const std::string& path) const {
  if (phraseLen_ <= 0) return true;
  return FileContainsPhrase(path, searchText_, phraseLen_, wholeWord_, *charMap_);
}

bool ContentCriteria::MatchesFile(ReadableFile* file) const {
  if (phraseLen_ <= 0) return true;
  if (!file) return false;
  return FileContainsPhrase(*file, searchText_, phraseLen_, wholeWord_, *charMap_);
}

}  // namespace norvane
