#pragma once
// Value types shared by the search criteria and the search component.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace norvane {

// Days since 1899-12-30; the fraction is the time of day. 0 means "not set" in every criterion.
using DateTime = double;
// 100 ns ticks since 1601-01-01 UTC.
using FileTime = std::uint64_t;
using StringList = std::vector<std::string>;

// Folder separator of the host's paths.
constexpr char kPathDelimiter = '/';

enum FileAttribute { ffArchive, ffReadonly, ffHidden, ffSystem, ffDirectory };

// A set of FileAttribute values.
class FileAttributes {
 public:
  FileAttributes() = default;
  FileAttributes(std::initializer_list<FileAttribute> items) {
    for (FileAttribute a : items) Include(a);
  }
  bool Contains(FileAttribute a) const { return (bits_ >> a) & 1u; }
  void Include(FileAttribute a) { bits_ |= 1u << a; }
  void Exclude(FileAttribute a) { bits_ &= ~(1u << a); }
  bool operator==(const FileAttributes& other) const = default;

 private:
  unsigned bits_ = 0;
};

enum FileAttributeStatus { fsIgnore, fsSet, fsUnset };

// A folder handler's answer: which parts of the folder to skip.
enum FolderIgnore { fiNone, fiJustThis, fiJustSubfolders, fiThisAndSubfolders };

enum SearchThreadPriority {
  tpIdle,
  tpLowest,
  tpLower,
  tpNormal,
  tpHigher,
  tpHighest,
  tpTimeCritical
};

}  // namespace norvane
