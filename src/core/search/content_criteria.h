#pragma once
// Text a file must contain.
#include <cstdint>
#include <string>

#include "core/search/assignable.h"
#include "core/search/char_tables.h"
#include "platform/directory_reader.h"

namespace norvane {

class ContentCriteria : public Assignable {
 public:
  const char* ClassName() const override { return "ContentCriteria"; }
  void Assign(const Assignable* Source) override;
  using Assignable::Assign;

  const std::string& Phrase() const { return phrase_; }
  void SetPhrase(const std::string& value);
  bool IgnoreCase() const { return ignoreCase_; }
  void SetIgnoreCase(bool value);
  bool WholeWord() const { return wholeWord_; }
  void SetWholeWord(bool value) { wholeWord_ = value; }

  // Derived from the above by the setters.
  std::int64_t PhraseLen() const { return phraseLen_; }
  const std::string& SearchText() const { return searchText_; }
  const CharTable& CharMap() const { return *charMap_; }

  // Does the file at `path` hold the phrase? An empty phrase passes without opening the
  // file; a file that cannot be read does not pass.
  bool Matches(const std::string& path) const;
  // The same for a file the caller has opened (null: it could not be opened).
  bool MatchesFile(ReadableFile* file) const;

 private:
  void updateSearchText();

  std::string phrase_;
  bool ignoreCase_ = true;
  bool wholeWord_ = false;
  std::int64_t phraseLen_ = 0;
  std::string searchText_;
  const CharTable* charMap_ = &LowerCaseMap;
};

}  // namespace norvane
