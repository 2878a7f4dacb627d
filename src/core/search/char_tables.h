#pragma once
// Byte tables of the phrase search and the matchers, for UTF-8 text: ASCII letters fold to
// lower case, and bytes of multi-byte characters count as letters (they are never folded and
// never split a word).
#include <array>

namespace norvane {

using CharTable = std::array<unsigned char, 256>;

extern const CharTable IdentityMap;
extern const CharTable LowerCaseMap;
// True for every byte that is not a letter or digit; byte 0 is one of them.
extern const std::array<bool, 256> WordDelimiters;

inline char lowerByte(char c) {
  return static_cast<char>(LowerCaseMap[static_cast<unsigned char>(c)]);
}

}  // namespace norvane
