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

}  // namespace

StringList SplitList(std::string_view text, bool caseSensitive) {
  StringList result;
  while (true) {
    std::size_t cut = text.find(';');
    std::string_view piece = trim(text.substr(0, cut));
    if (!piece.empty()) {
      bool repeat = false;
      for (const std::string& kept : result) {
        if (caseSensitive ? kept == piece : equalIgnoringCase(kept, piece)) {
          repeat = true;
          break;
        }
      }
      if (!repeat) result.emplace_back(piece);
    }
    if (cut == std::string_view::npos) break;
    text.remove_prefix(cut + 1);
  }
  return result;
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
