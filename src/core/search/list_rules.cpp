#include "core/search/list_rules.h"

#include "core/search/char_tables.h"

namespace norvane {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerByte(a[i]) != lowerByte(b[i])) return false;
  }
  return true;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
  return s;
}

// Appends `piece` unless it is empty or already in `list`.
void appendItem(StringList& list, std::string_view piece, bool caseSensitive) {
  if (piece.empty()) return;
  for (const std::string& kept : list) {
    if (caseSensitive ? kept == piece : equalIgnoringCase(kept, piece)) return;
  }
  list.emplace_back(piece);
}

}  // namespace

StringList SplitList(std::string_view text, bool caseSensitive) {
  StringList result;
  while (true) {
    std::size_t cut = text.find(';');
    appendItem(result, trim(text.substr(0, cut)), caseSensitive);
    if (cut == std::string_view::npos) break;
    text.remove_prefix(cut + 1);
  }
  return result;
}

void AppendListItems(StringList& list, const StringList& items, bool caseSensitive) {
  for (const std::string& item : items) appendItem(list, item, caseSensitive);
}

bool ParseFolderPrefix(std::string& item, bool defaultSubfolders) {
  if (!item.empty() && item[0] == '<') {
    item.erase(0, 1);
    return false;
  }
  if (!item.empty() && item[0] == '>') {
    item.erase(0, 1);
    return true;
  }
  return defaultSubfolders;
}

}  // namespace norvane
