#pragma once
// Block-wise phrase search inside one file.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/search/char_tables.h"
#include "platform/directory_reader.h"

namespace norvane {

// Largest block read at a time (larger only for a longer phrase).
constexpr std::int64_t kPhraseBlockSize = 61440;

// Does `file` hold `searchText` (already mapped through `charMap`)? File bytes are mapped
// through `charMap`; with `wholeWord` the bytes around a match must be word delimiters (the
// start and the end of the file count as such). A read failure gives false.
bool FileContainsPhrase(ReadableFile& file, std::string_view searchText, std::int64_t phraseLen,
                        bool wholeWord, const CharTable& charMap);

// The same for a file named by path, opened through the host's enumeration service; false
// when it cannot be opened.
bool FileContainsPhrase(const std::string& path, std::string_view searchText,
                        std::int64_t phraseLen, bool wholeWord, const CharTable& charMap);

}  // namespace norvane
