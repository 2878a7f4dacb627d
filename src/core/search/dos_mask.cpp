#include "core/search/dos_mask.h"

#include <algorithm>
#include <array>

#include "core/search/char_tables.h"

namespace norvane {

DosMask::DosMask(std::string_view mask) {
  if (mask.empty()) return;
  if (mask == "*" || mask == "*.*") {
    kind_ = Kind::All;
    return;
  }
  for (std::size_t i = 0; i < mask.size(); ++i) {
    char c = mask[i];
    char next = i + 1 < mask.size() ? mask[i + 1] : '\0';
    bool atEnd = i + 1 == mask.size();
    if (c == '?') {
      items_.push_back({Symbol::DosQuestion, c});
    } else if (c == '*') {
      items_.push_back({next == '.' ? Symbol::DosStar : Symbol::Star, c});
    } else if (c == '.' && (atEnd || next == '?' || next == '*')) {
      items_.push_back({Symbol::DosDot, c});
    } else {
      items_.push_back({Symbol::Literal, lowerByte(c)});
    }
  }
  questionRunEnd_.resize(items_.size());
  for (std::size_t k = items_.size(); k-- > 0;) {
    bool question = items_[k].symbol == Symbol::DosQuestion;
    questionRunEnd_[k] = question
                             ? (k + 1 < items_.size() && items_[k + 1].symbol == Symbol::DosQuestion
                                    ? questionRunEnd_[k + 1]
                                    : k + 1)
                             : k;
  }

  bool allLiteral = true;
  for (const Item& item : items_) allLiteral = allLiteral && item.symbol == Symbol::Literal;
  if (allLiteral) {
    kind_ = Kind::Literal;
    for (const Item& item : items_) literal_.push_back(item.folded);
    return;
  }
  // "*.ext" with a plain extension: the name ends in ".ext".
  bool suffix = items_.size() >= 2 && items_[0].symbol == Symbol::DosStar;
  for (std::size_t k = 1; suffix && k < items_.size(); ++k) {
    suffix = items_[k].symbol == Symbol::Literal && (k == 1 || items_[k].folded != '.');
  }
  if (suffix) {
    kind_ = Kind::Suffix;
    for (std::size_t k = 1; k < items_.size(); ++k) literal_.push_back(items_[k].folded);
    return;
  }
  kind_ = Kind::General;
  for (std::size_t k = 0; k < items_.size() && items_[k].symbol == Symbol::Literal; ++k) {
    literal_.push_back(items_[k].folded);
  }
  for (const Item& item : items_)
    if (item.symbol == Symbol::Literal) required_.push_back(item.folded);
}

bool DosMask::holdsRequired(std::string_view name) const {
  // Every plain character of the mask is matched by a character of the name, in order, and a
  // plain character at the mask's end is matched by the name's last one.
  if (items_.back().symbol == Symbol::Literal &&
      (name.empty() || lowerByte(name.back()) != items_.back().folded)) {
    return false;
  }
  std::size_t found = 0;
  for (std::size_t i = 0; i < name.size() && found < required_.size(); ++i) {
    if (lowerByte(name[i]) == required_[found]) ++found;
  }
  return found == required_.size();
}

bool DosMask::equalsFolded(std::string_view name, std::size_t offset) const {
  for (std::size_t i = 0; i < literal_.size(); ++i) {
    if (lowerByte(name[offset + i]) != literal_[i]) return false;
  }
  return true;
}

// Runs the mask as a set of states (positions in the mask) over the name, one character at
// a time; every transition moves forward, so one pass per character settles the set.
bool DosMask::matchGeneral(std::string_view name) const {
  const std::size_t m = items_.size();
  std::array<unsigned char, 264> fixedA, fixedB;
  std::vector<unsigned char> growA, growB;
  unsigned char* cur = fixedA.data();
  unsigned char* next = fixedB.data();
  if (m + 1 > fixedA.size()) {
    growA.resize(m + 1);
    growB.resize(m + 1);
    cur = growA.data();
    next = growB.data();
  }
  std::fill(cur, cur + m + 1, 0);
  const std::size_t lastDot = name.rfind('.');
  cur[0] = 1;
  for (std::size_t i = 0;; ++i) {
    const bool atEnd = i == name.size();
    const char c = atEnd ? '\0' : name[i];
    bool any = false;
    for (std::size_t k = 0; k < m; ++k) {
      if (!cur[k]) continue;
      any = true;
      switch (items_[k].symbol) {
        case Symbol::Star:
        case Symbol::DosStar:
          cur[k + 1] = 1;
          break;
        case Symbol::DosQuestion:
          if (atEnd || c == '.') cur[questionRunEnd_[k]] = 1;
          break;
        case Symbol::DosDot:
          if (atEnd) cur[k + 1] = 1;
          break;
        case Symbol::Literal:
          break;
      }
    }
    if (atEnd) return cur[m] != 0;
    if (!any) return false;
    std::fill(next, next + m + 1, 0);
    const char folded = lowerByte(c);
    for (std::size_t k = 0; k < m; ++k) {
      if (!cur[k]) continue;
      switch (items_[k].symbol) {
        case Symbol::Star:
          next[k] = 1;
          break;
        case Symbol::DosStar:
          if (c != '.' || i != lastDot) next[k] = 1;
          break;
        case Symbol::DosQuestion:
          if (c != '.') next[k + 1] = 1;
          break;
        case Symbol::DosDot:
          if (c == '.') next[k + 1] = 1;
          break;
        case Symbol::Literal:
          if (items_[k].folded == folded) next[k + 1] = 1;
          break;
      }
    }
    std::swap(cur, next);
  }
}

}  // namespace norvane
