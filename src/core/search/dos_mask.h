#pragma once
// The name test of folder enumeration: a Windows-style mask, matched without regard to ASCII
// case. "*.*" and "*" match every name (dotless ones too); "?" matches one character, or
// nothing before a "." or at the end; "*" followed by "." stops before the name's last dot;
// a "." followed by a wildcard or ending the mask also matches the end of a dotless name
// (so "chklist.*" matches "chklist", and "*." matches only names without a dot).
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

class DosMask {
 public:
  DosMask() = default;
  explicit DosMask(std::string_view mask);

  bool matches(std::string_view name) const {
    switch (kind_) {
      case Kind::All:
        return true;
      case Kind::Literal:
        return name.size() == literal_.size() && equalsFolded(name, 0);
      case Kind::Suffix:
        return name.size() >= literal_.size() && equalsFolded(name, name.size() - literal_.size());
      case Kind::General:
        return name.size() >= literal_.size() && equalsFolded(name.substr(0, literal_.size()), 0) &&
               holdsRequired(name) && matchGeneral(name);
      case Kind::None:
        break;
    }
    return false;
  }

 private:
  enum class Kind { None, All, Literal, Suffix, General };
  enum class Symbol : unsigned char { Literal, Star, DosStar, DosQuestion, DosDot };
  struct Item {
    Symbol symbol;
    char folded;
  };

  // Compares `literal_` (lower-cased) with `name` from `offset` on, folding ASCII case.
  bool equalsFolded(std::string_view name, std::size_t offset) const;
  bool matchGeneral(std::string_view name) const;
  // Checks that cost next to nothing and that every matching name passes: it ends in the
  // mask's last character when that is a plain one, and holds the mask's plain characters in
  // their order.
  bool holdsRequired(std::string_view name) const;

  Kind kind_ = Kind::None;
  std::string literal_;  // the whole name, the suffix, or the fixed head of a general mask
  std::vector<Item> items_;
  std::vector<std::size_t> questionRunEnd_;  // for each item: index after its run of "?"
  std::string required_;                     // the plain characters, lower-cased, in order
};

}  // namespace norvane
