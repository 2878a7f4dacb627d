#pragma once
// The walk of one search over its target folders. Each folder is listed once; its masks are
// served from that listing (last mask first, entries in listing order), then its sub-folders
// are entered depth-first in listing order. The walk keeps its own stack, so tree depth is
// bounded by neither the call stack nor the path length.
//
// With read-ahead, threads open and list the folders ahead of the walk with the same calls the
// walk would make; the walk takes their results in its own order, so it reports the same.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/search/folder_contents.h"
#include "core/search/package_ownership.h"
#include "core/search/read_ahead.h"
#include "core/search/search_record.h"
#include "core/search/target_folder.h"
#include "platform/directory_reader.h"

namespace norvane {

class FindFile;

class SearchWalk {
 public:
  // `packages` null: no file is a package's, so none is a system file for that reason.
  SearchWalk(FindFile& owner, DirectoryReader& reader, std::shared_ptr<PackageDatabase> packages,
             const ReadAheadOptions& readAhead);
  ~SearchWalk();
  // Walks every target, oldest first, until the search is aborted.
  void run();

  // Folders the walk keeps open with read-ahead; deeper ones are closed while their
  // sub-folders are walked and opened again through ".." afterwards.
  static constexpr std::size_t kOpenFolderBudget = 64;

 private:
  struct Frame {
    std::shared_ptr<Directory> directory;  // null when the folder could not be opened
    FileIdentity identity;
    PackageOwnership::FolderCache packageFolder;
    FolderContents contents;
    ReadAhead::Node* ahead = nullptr;  // the folder's place in the read-ahead
    std::size_t folderLength = 0;
    std::size_t nextEntry = 0;
    bool walkSubfolders = false;
    bool listed = false;  // contents hold the folder's listing
    bool closed = false;  // closed to save descriptors; opened again from its sub-folder
  };

  void searchTarget(const TargetFolder& target);
  // Opens the sub-folder at `entry` of the folder on top of the stack and pushes it; false
  // when it is not to be entered (a link, another mount).
  bool enterSubfolder(std::size_t entry);
  // Announces the folder on top of the stack, reports its matches and decides whether its
  // sub-folders are walked.
  void enterFolder(const TargetFolder& target);
  // Lists the folder on top of the stack unless its contents were read ahead; `subfolders`:
  // its sub-folders are walked next.
  void readFolder(const TargetFolder& target, bool subfolders);
  bool lookUp(Frame& frame, std::size_t entry);
  // The acceptance test of the entry in record_, which it marks as a system file when it is a
  // package's regular file and that matters.
  bool accept(Frame& frame);
  void push(std::shared_ptr<Directory> directory, ReadAhead::Node* ahead);
  // `reopenParent` false: the walk is unwinding, nothing more is read.
  void pop(bool reopenParent = true);
  void unwind();
  // With read-ahead every open folder holds a descriptor: beyond the budget the shallowest
  // ones are closed, and opened again on the way back up.
  void saveDescriptors();
  void reopen(Frame& frame, Directory* child);

  FindFile& owner_;
  DirectoryReader& reader_;
  PackageOwnership ownership_;
  std::unique_ptr<ReadAhead> readAhead_;  // null without read-ahead
  std::vector<Frame> frames_;
  std::size_t depth_ = 0;      // frames in use
  std::size_t firstOpen_ = 0;  // frames below it are closed
  std::string folder_;
  FolderContents incoming_;  // contents of a sub-folder on its way onto the stack
  SearchRecord record_;
};

}  // namespace norvane
