#include "core/search/char_tables.h"

namespace norvane {

namespace {

constexpr CharTable makeIdentity() {
  CharTable map{};
  for (int b = 0; b < 256; ++b) map[b] = static_cast<unsigned char>(b);
  return map;
}

constexpr CharTable makeLowerCase() {
  CharTable map = makeIdentity();
  for (int b = 'A'; b <= 'Z'; ++b) map[b] = static_cast<unsigned char>(b - 'A' + 'a');
  return map;
}

constexpr std::array<bool, 256> makeDelimiters() {
  std::array<bool, 256> set{};
  for (int b = 0; b < 256; ++b) {
    bool alnum =
        (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 0x80;
    set[b] = !alnum;
  }
  return set;
}

}  // namespace

constinit const CharTable IdentityMap = makeIdentity();
constinit const CharTable LowerCaseMap = makeLowerCase();
constinit const std::array<bool, 256> WordDelimiters = makeDelimiters();

}  // namespace norvane
