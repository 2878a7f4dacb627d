#pragma once
// Value types shared by the search criteria and the search component.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace norvane {

// Days since 1899-12-30; the fraction is the time of day. 0 means "not set" in every criterion.
using TDateTime = double;
// 100 ns ticks since 1601-01-01 UTC.
using TFileTime = std::uint64_t;
using TStringList = std::vector<std::string>;

// Folder separator of the host's paths.
constexpr char kPathDelimiter = '/';

enum TFileAttribute { ffArchive, ffReadonly, ffHidden, ffSystem, ffDirectory };

// A set of TFileAttribute values.
class TFileAttributes {
 public:
  TFileAttributes() = default;
  TFileAttributes(std::initializer_list<TFileAttribute> items) {
    for (TFileAttribute a : items) Include(a);
  }
  bool Contains(TFileAttribute a) const { return (bits_ >> a) & 1u; }
  void Include(TFileAttribute a) { bits_ |= 1u << a; }
  void Exclude(TFileAttribute a) { bits_ &= ~(1u << a); }
  bool operator==(const TFileAttributes& other) const = default;

 private:
  unsigned bits_ = 0;
};

enum TFileAttributeStatus { fsIgnore, fsSet, fsUnset };

// A folder handler's answer: which parts of the folder to skip.
enum TFolderIgnore { fiNone, fiJustThis, fiJustSubfolders, fiThisAndSubfolders };

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

}  // namespace norvane
