#include "core/search/search_walk.h"

#include "core/search/file_time.h"
#include "core/search/find_file.h"
#include "core/search/search_snapshot.h"

namespace norvane {

namespace {

constexpr std::uint8_t kNotLookedUp = 0;
constexpr std::uint8_t kPresent = 1;
constexpr std::uint8_t kGone = 2;

void fillRecord(SearchRecord& rec, std::string_view name, const FileRecord& file) {
  rec.Name.assign(name);
  rec.Size = file.size;
  rec.Attr = file.attributes;
  rec.Time = 0;
  Win32FindData& data = rec.FindData;
  data.dwFileAttributes = file.attributes;
  data.ftCreationTime = file.creationTime;
  data.ftLastAccessTime = file.lastAccessTime;
  data.ftLastWriteTime = file.lastWriteTime;
  data.nFileSizeHigh = static_cast<std::uint32_t>(static_cast<std::uint64_t>(file.size) >> 32);
  data.nFileSizeLow = static_cast<std::uint32_t>(file.size);
  data.cFileName.assign(name);
  rec.Identity = file.identity;
}

}  // namespace

SearchWalk::~SearchWalk() { unwind(); }

void SearchWalk::run() {
  const SearchSnapshot& search = *owner_.targetSearch_;
  const TargetFolderList& targets = search.TargetFolders;
  // The list holds the newest target first: walk from the back to go in order of naming.
  for (std::size_t i = targets.Count(); i-- > 0;) {
    if (owner_.aborted_) break;
    owner_.level_ = 0;
    owner_.currentTarget_ = &targets[i];
    try {
      searchTarget(targets[i]);
    } catch (...) {
      unwind();
      throw;
    }
  }
  owner_.level_ = 0;
}

void SearchWalk::searchTarget(const TargetFolder& target) {
  folder_ = target.Folder;
  ownership_.beginTarget(target.Folder);
  std::unique_ptr<Directory> root;
  if (owner_.aborted_) return;
  reader_.openFolder(target.Folder, root);
  push(std::move(root));
  enterFolder(target);

  while (depth_ > 0) {
    Frame& frame = frames_[depth_ - 1];
    if (!frame.walkSubfolders || owner_.aborted_) {
      pop();
      continue;
    }
    // Next entry with the directory flag, in listing order.
    std::size_t i = frame.nextEntry;
    const std::size_t count = frame.listing.size();
    for (; i < count; ++i) {
      EntryKind kind = frame.listing.kind(i);
      if (kind == EntryKind::Directory) break;
      if (kind == EntryKind::Unknown && lookUp(frame, i) &&
          (frame.records[i].attributes & kFileAttributeDirectory)) {
        break;
      }
    }
    if (i >= count) {
      pop();
      continue;
    }
    frame.nextEntry = i + 1;
    std::unique_ptr<Directory> child;
    OpenResult opened = frame.directory->openChild(frame.listing.name(i), child);
    if (opened == OpenResult::Skipped) continue;
    folder_.append(frame.listing.nameView(i));
    folder_.push_back('/');
    push(std::move(child));  // `frame` may move: not used below
    enterFolder(target);
  }
}

void SearchWalk::enterFolder(const TargetFolder& target) {
  Frame& frame = frames_[depth_ - 1];
  frame.walkSubfolders = false;
  if (owner_.aborted_) return;
  const std::uint32_t level = static_cast<std::uint32_t>(depth_);
  owner_.level_ = level;
  owner_.currentDirectory_ = frame.directory.get();

  const FolderIgnore ignore = owner_.DoFolderChange(folder_);
  const bool files = (ignore == fiNone || ignore == fiJustSubfolders) && level >= target.MinLevel;
  const bool subfolders = target.Subfolders && (ignore == fiNone || ignore == fiJustThis) &&
                          (target.MaxLevel == 0 || level < target.MaxLevel);
  if (!frame.directory || (!files && !subfolders) || owner_.aborted_) return;

  // What could be read stays usable: a folder that fails half-way still gives its entries.
  frame.directory->list(frame.listing);
  const std::size_t count = frame.listing.size();
  frame.records.resize(count);
  frame.recordState.assign(count, kNotLookedUp);
  frame.nextEntry = 0;

  if (files) {
    const std::vector<DosMask>& masks = target.compiledMasks();
    for (std::size_t m = masks.size(); m-- > 0 && !owner_.aborted_;) {
      const DosMask& mask = masks[m];
      for (std::size_t i = 0; i < count; ++i) {
        if (owner_.aborted_) break;
        std::string_view name = frame.listing.nameView(i);
        if (!mask.matches(name)) continue;
        if (!lookUp(frame, i)) continue;
        fillRecord(record_, name, frame.records[i]);
        record_.FolderIdentity = frame.identity;
        if (accept(frame)) {
          record_.Time = FileTimeToLocalDosTime(record_.FindData.ftLastWriteTime);
          owner_.DoFileMatch(folder_, record_);
        }
      }
    }
  }
  frame.walkSubfolders = subfolders && !owner_.aborted_;
}

bool SearchWalk::lookUp(Frame& frame, std::size_t entry) {
  std::uint8_t& state = frame.recordState[entry];
  if (state == kNotLookedUp) {
    state =
        frame.directory->stat(frame.listing.name(entry), frame.records[entry]) ? kPresent : kGone;
  }
  return state == kPresent;
}

bool SearchWalk::accept(Frame& frame) {
  const SearchSnapshot& search = *owner_.targetSearch_;
  const std::uint32_t attributes = record_.Attr;
  // Only a regular file can be a package's, and only a test of the system attribute cares.
  if (!ownership_.enabled() || !(attributes & kFileAttributeArchive) ||
      !search.SystemAttributeDecides(attributes)) {
    return owner_.AcceptFile(folder_, record_);
  }
  if (search.AttributesMatch(attributes)) {
    // Wanted unless it is a package's file: the packages are asked only about a file that
    // passes every other test.
    return owner_.AcceptFile(folder_, record_) &&
           !ownership_.owns(folder_, record_.Name, frame.packageFolder);
  }
  // Wanted only as a system file.
  if (!ownership_.owns(folder_, record_.Name, frame.packageFolder)) return false;
  record_.Attr |= kFileAttributeSystem;
  record_.FindData.dwFileAttributes |= kFileAttributeSystem;
  return owner_.AcceptFile(folder_, record_);
}

void SearchWalk::push(std::unique_ptr<Directory> directory) {
  if (depth_ == frames_.size()) frames_.emplace_back();
  Frame& frame = frames_[depth_];
  frame.directory = std::move(directory);
  frame.identity = frame.directory ? frame.directory->identity() : FileIdentity{};
  frame.packageFolder = PackageOwnership::FolderCache{};
  frame.listing.clear();
  frame.records.clear();
  frame.recordState.clear();
  frame.folderLength = folder_.size();
  frame.nextEntry = 0;
  frame.walkSubfolders = false;
  ++depth_;
}

void SearchWalk::pop() {
  Frame& frame = frames_[--depth_];
  frame.directory.reset();
  frame.walkSubfolders = false;
  if (depth_ > 0) {
    folder_.resize(frames_[depth_ - 1].folderLength);
    owner_.currentDirectory_ = frames_[depth_ - 1].directory.get();
    owner_.level_ = static_cast<std::uint32_t>(depth_);
  } else {
    owner_.currentDirectory_ = nullptr;
    owner_.level_ = 0;
  }
}

// Closes open folders deepest first, as their handles require.
void SearchWalk::unwind() {
  while (depth_ > 0) pop();
}

}  // namespace norvane
