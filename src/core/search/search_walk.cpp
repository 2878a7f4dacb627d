#include "core/search/search_walk.h"

#include <algorithm>

#include "core/search/file_time.h"
#include "core/search/find_file.h"
#include "core/search/search_snapshot.h"
#include "platform/event_loop.h"

namespace norvane {

namespace {

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

// A walk on the interface's thread hands it its messages while the package database loads; the
// walk's events do so the rest of the time.
std::function<void()> keepInterfaceRunning(const FindFile& owner, EventLoop* loop) {
  if (owner.Threaded() || !loop) return {};
  return [loop] { loop->pumpMessages(); };
}

}  // namespace

SearchWalk::SearchWalk(FindFile& owner, DirectoryReader& reader,
                       std::shared_ptr<PackageDatabase> packages, const ReadAheadOptions& readAhead)
    : owner_(owner),
      reader_(reader),
      ownership_(std::move(packages), reader, keepInterfaceRunning(owner, owner.eventLoop_)) {
  if (readAhead.enabled()) readAhead_ = std::make_unique<ReadAhead>(readAhead, owner_.aborted_);
}

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
  if (owner_.aborted_) return;
  std::unique_ptr<Directory> opened;
  reader_.openFolder(target.Folder, opened);
  std::shared_ptr<Directory> root(std::move(opened));
  ReadAhead::Node* ahead = readAhead_ ? readAhead_->beginTarget(target, root) : nullptr;
  push(std::move(root), ahead);
  enterFolder(target);

  while (depth_ > 0) {
    Frame& frame = frames_[depth_ - 1];
    if (!frame.walkSubfolders || owner_.aborted_) {
      pop();
      continue;
    }
    // Next entry with the directory flag, in listing order.
    std::size_t i = frame.nextEntry;
    const std::size_t count = frame.contents.listing.size();
    for (; i < count; ++i) {
      if (frame.contents.isFolder(frame.directory.get(), i)) break;
    }
    if (i >= count) {
      pop();
      continue;
    }
    frame.nextEntry = i + 1;
    if (enterSubfolder(i)) enterFolder(target);
  }
}

bool SearchWalk::enterSubfolder(std::size_t entry) {
  if (depth_ == frames_.size()) frames_.emplace_back();  // before taking references
  Frame& frame = frames_[depth_ - 1];
  Frame& child = frames_[depth_];
  const char* name = frame.contents.listing.name(entry);
  std::shared_ptr<Directory> directory;
  ReadAhead::Node* ahead = nullptr;
  OpenResult opened = OpenResult::Unreadable;
  bool listed = false;
  if (readAhead_) {
    ahead = readAhead_->enter(frame.ahead, static_cast<std::uint32_t>(entry));
    ReadAhead::Opened result = readAhead_->open(ahead, frame.directory.get(), name, incoming_);
    opened = result.result;
    directory = std::move(result.folder);
    listed = result.listed;
  } else if (frame.directory) {
    std::unique_ptr<Directory> open;
    opened = frame.directory->openChild(name, open);
    directory = std::move(open);
  }
  if (opened == OpenResult::Skipped) {
    if (ahead) readAhead_->leave(ahead);
    return false;
  }
  folder_.append(frame.contents.listing.nameView(entry));
  folder_.push_back('/');
  push(std::move(directory), ahead);
  if (listed) {
    child.contents.swap(incoming_);
    child.listed = true;
  }
  return true;
}

void SearchWalk::enterFolder(const TargetFolder& target) {
  Frame& frame = frames_[depth_ - 1];
  frame.walkSubfolders = false;
  if (owner_.aborted_) return;
  const std::uint32_t level = static_cast<std::uint32_t>(depth_);
  owner_.level_ = level;
  owner_.currentDirectory_ = frame.directory.get();

  const FolderIgnore ignore = owner_.DoFolderChange(folder_);
  const FolderNeeds levelNeeds = folderNeeds(target, level);
  const bool files = (ignore == fiNone || ignore == fiJustSubfolders) && levelNeeds.files;
  const bool subfolders = (ignore == fiNone || ignore == fiJustThis) && levelNeeds.subfolders;
  if (!frame.directory || (!files && !subfolders) || owner_.aborted_) return;

  readFolder(target, subfolders);
  const FolderContents& contents = frame.contents;
  const std::size_t count = contents.listing.size();
  frame.nextEntry = 0;

  if (files) {
    // The read-ahead marked the names some mask matches; the others need no test per mask.
    const bool marked = contents.candidates.size() == count;
    const std::vector<DosMask>& masks = target.compiledMasks();
    for (std::size_t m = masks.size(); m-- > 0 && !owner_.aborted_;) {
      const DosMask& mask = masks[m];
      for (std::size_t i = 0; i < count; ++i) {
        if (owner_.aborted_) break;
        if (marked && !contents.candidates[i]) continue;
        std::string_view name = contents.listing.nameView(i);
        if (!mask.matches(name)) continue;
        if (!lookUp(frame, i)) continue;
        fillRecord(record_, name, frame.contents.records[i]);
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

void SearchWalk::readFolder(const TargetFolder& target, bool subfolders) {
  Frame& frame = frames_[depth_ - 1];
  if (readAhead_ && !frame.listed) frame.listed = readAhead_->take(frame.ahead, frame.contents);
  if (frame.listed) {
    if (!subfolders) readAhead_->dropBelow(frame.ahead);
    return;
  }
  // The files are looked up later, mask by mask, in the walk's own order. With read-ahead the
  // sub-folders are told apart here, with the very look-ups the walk makes for them anyway.
  FolderNeeds needs;
  needs.subfolders = readAhead_ && subfolders;
  const std::vector<std::uint32_t> below =
      norvane::readFolder(*frame.directory, target, needs, owner_.aborted_, frame.contents);
  // Read ahead below this folder from here on; sub-folders cut short by an abort are not.
  if (!needs.subfolders || owner_.aborted_) return;
  readAhead_->adopt(frame.ahead, frame.directory, frame.contents.listing, below);
}

bool SearchWalk::lookUp(Frame& frame, std::size_t entry) {
  return frame.contents.lookUp(*frame.directory, entry);
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

void SearchWalk::push(std::shared_ptr<Directory> directory, ReadAhead::Node* ahead) {
  if (depth_ == frames_.size()) frames_.emplace_back();
  Frame& frame = frames_[depth_];
  frame.directory = std::move(directory);
  frame.identity = frame.directory ? frame.directory->identity() : FileIdentity{};
  frame.packageFolder = PackageOwnership::FolderCache{};
  frame.contents.clear();
  frame.ahead = ahead;
  frame.folderLength = folder_.size();
  frame.nextEntry = 0;
  frame.walkSubfolders = false;
  frame.listed = false;
  frame.closed = false;
  ++depth_;
  if (readAhead_) saveDescriptors();
}

void SearchWalk::pop(bool reopenParent) {
  Frame& frame = frames_[--depth_];
  if (frame.ahead) readAhead_->leave(frame.ahead);
  frame.ahead = nullptr;
  if (depth_ > 0) {
    Frame& parent = frames_[depth_ - 1];
    if (parent.closed && reopenParent) reopen(parent, frame.directory.get());
    firstOpen_ = std::min(firstOpen_, depth_ - 1);
    owner_.currentDirectory_ = parent.directory.get();
    owner_.level_ = static_cast<std::uint32_t>(depth_);
  } else {
    firstOpen_ = 0;
    owner_.currentDirectory_ = nullptr;
    owner_.level_ = 0;
  }
  frame.directory.reset();
  frame.walkSubfolders = false;
  if (depth_ > 0) folder_.resize(frames_[depth_ - 1].folderLength);
}

void SearchWalk::saveDescriptors() {
  while (depth_ - firstOpen_ > kOpenFolderBudget) {
    Frame& frame = frames_[firstOpen_++];
    if (!frame.directory) continue;
    // Its remaining sub-folders are opened by the walk once it is back.
    readAhead_->dropBelow(frame.ahead);
    frame.directory.reset();
    frame.closed = true;
  }
}

void SearchWalk::reopen(Frame& frame, Directory* child) {
  frame.closed = false;
  std::unique_ptr<Directory> parent;
  // The tree may have been moved meanwhile: only the very same folder will do. Otherwise the
  // rest of the folder can't be walked, as when it can't be opened.
  if (child && child->openIndependentChild("..", parent) == OpenResult::Opened &&
      parent->identity() == frame.identity) {
    frame.directory = std::move(parent);
  }
}

// Closes open folders deepest first, as their handles require.
void SearchWalk::unwind() {
  while (depth_ > 0) pop(false);
}

}  // namespace norvane
