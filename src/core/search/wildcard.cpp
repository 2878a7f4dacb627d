#include "core/search/wildcard.h"

#include "core/search/char_tables.h"
#include "core/search/path_parts.h"

namespace norvane {

bool WildcardMatch(std::string_view text, std::string_view mask) {
  std::size_t t = 0;
  std::size_t m = 0;
  while (t < text.size() && m < mask.size()) {
    char c = mask[m];
    if (c == '*') return true;
    if (c != '?' && lowerByte(c) != lowerByte(text[t])) return false;
    ++t;
    ++m;
  }
  if (t < text.size()) return false;
  while (m < mask.size() && (mask[m] == '*' || mask[m] == '?')) ++m;
  return m == mask.size();
}

bool FileNameMatches(std::string_view name, std::string_view mask) {
  std::string_view maskExt = extensionPart(mask);
  std::string_view maskBase = basePart(mask);
  std::string_view nameBase = basePart(name);
  if (maskExt.empty()) return WildcardMatch(nameBase, maskBase);
  std::string_view nameExt = extensionPart(name);
  if (nameExt.empty()) nameExt = ".";
  return WildcardMatch(nameExt, maskExt) && WildcardMatch(nameBase, maskBase);
}

bool DriveMatches(std::string_view folderDrive, std::string_view patternDrive) {
  if (patternDrive.size() >= 2 && patternDrive[0] == '/' && patternDrive[1] == '/') {
    return WildcardMatch(folderDrive, patternDrive);
  }
  if (!patternDrive.empty() && (patternDrive[0] == '*' || patternDrive[0] == '?')) return true;
  if (folderDrive.empty() || patternDrive.empty()) return false;
  return lowerByte(folderDrive[0]) == lowerByte(patternDrive[0]);
}

bool ExcludeItemMatches(std::string_view folder, std::string_view name, std::string_view pattern) {
  std::string_view patternFolder = folderPart(pattern);
  if (!patternFolder.empty()) {
    std::string_view patternDrive = drivePart(patternFolder);
    if (!patternDrive.empty()) {
      if (!DriveMatches(drivePart(folder), patternDrive)) return false;
      patternFolder.remove_prefix(patternDrive.size());
    }
    if (!patternFolder.empty()) {
      std::size_t folderLength = folder.size() - drivePart(folder).size();
      if (folderLength < patternFolder.size()) return false;
      if (folder.substr(folder.size() - patternFolder.size()) != patternFolder) return false;
    }
  }
  std::string_view patternName = namePart(pattern);
  if (patternName.empty()) return true;
  return FileNameMatches(name, patternName);
}

}  // namespace norvane
