#pragma once
// What the walk knows of one folder it lists: the entries, the look-ups made so far, and which
// names one of the target's masks matches. Read by the walk itself or ahead of it.
#include <atomic>
#include <cstdint>
#include <vector>

#include "core/search/target_folder.h"
#include "platform/directory_reader.h"

namespace norvane {

constexpr std::uint8_t kNotLookedUp = 0;
constexpr std::uint8_t kPresent = 1;
constexpr std::uint8_t kGone = 2;

struct FolderContents {
  DirectoryListing listing;
  std::vector<FileRecord> records;
  std::vector<std::uint8_t> recordState;  // kNotLookedUp, kPresent or kGone per entry
  // Per entry, 1 when some mask matches its name; empty when that was not worked out.
  std::vector<std::uint8_t> candidates;

  void clear();
  void swap(FolderContents& other) noexcept;
  std::size_t memoryUsage() const;

  // Looks the entry up in `directory` unless that was done; true when it is there.
  bool lookUp(Directory& directory, std::size_t entry) {
    std::uint8_t& state = recordState[entry];
    if (state == kNotLookedUp) {
      state = directory.stat(listing.name(entry), records[entry]) ? kPresent : kGone;
    }
    return state == kPresent;
  }
  // Whether the entry is a folder, looking it up when the listing can't tell.
  bool isFolder(Directory* directory, std::size_t entry) {
    const EntryKind kind = listing.kind(entry);
    if (kind != EntryKind::Unknown) return kind == EntryKind::Directory;
    return directory && lookUp(*directory, entry) &&
           (records[entry].attributes & kFileAttributeDirectory);
  }
};

// Which parts of a folder at `level` (a target is 1) the walk reads when its folder event
// leaves everything in.
struct FolderNeeds {
  bool files = false;
  bool subfolders = false;
};
FolderNeeds folderNeeds(const TargetFolder& target, std::uint32_t level);

// Lists `directory` into `out` and makes exactly the look-ups the walk would: every entry that
// one of the target's masks matches when the files are examined, and every entry whose kind
// the listing leaves open when sub-folders are walked. Gives the entries of the sub-folders
// to walk, in listing order. Stops early once `stop` is set; then the sub-folders are
// incomplete and the candidates unknown.
std::vector<std::uint32_t> readFolder(Directory& directory, const TargetFolder& target,
                                      FolderNeeds needs, const std::atomic<bool>& stop,
                                      FolderContents& out);

}  // namespace norvane
