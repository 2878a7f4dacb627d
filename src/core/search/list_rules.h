#pragma once
// Reading of the ";"-separated folder and mask lists and of folder prefixes.
#include <string>
#include <string_view>

#include "core/search/search_types.h"

namespace norvane {

// Cuts `text` at ";", trims bytes <= 32 from each piece, and drops empty pieces and repeats.
// Masks repeat regardless of case; folders (`caseSensitive`) only when byte-equal, since two
// Linux folders may differ only in case.
StringList SplitList(std::string_view text, bool caseSensitive = false);

// Appends each item of `items` to `list` as it stands, except empty ones and repeats (the
// same rule of case as SplitList).
void AppendListItems(StringList& list, const StringList& items, bool caseSensitive = false);

// Strips a leading "<" (no sub-folders) or ">" (sub-folders) from `item` and gives the
// sub-folder switch for it; without a prefix the switch is `defaultSubfolders`.
bool ParseFolderPrefix(std::string& item, bool defaultSubfolders);

}  // namespace norvane
