#pragma once
// The walk of one search over its target folders. Each folder is listed once; its masks are
// served from that listing (last mask first, entries in listing order), then its sub-folders
// are entered depth-first in listing order. The walk keeps its own stack, so tree depth is
// bounded by neither the call stack nor the path length.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/search/package_ownership.h"
#include "core/search/search_record.h"
#include "core/search/target_folder.h"
#include "platform/directory_reader.h"

namespace norvane {

class FindFile;

class SearchWalk {
 public:
  // `packages` null: no file is a package's, so none is a system file for that reason.
  SearchWalk(FindFile& owner, DirectoryReader& reader, std::shared_ptr<PackageDatabase> packages)
      : owner_(owner), reader_(reader), ownership_(std::move(packages), reader) {}
  ~SearchWalk();
  // Walks every target, oldest first, until the search is aborted.
  void run();

 private:
  struct Frame {
    std::unique_ptr<Directory> directory;  // null when the folder could not be opened
    FileIdentity identity;
    PackageOwnership::FolderCache packageFolder;
    DirectoryListing listing;
    std::vector<FileRecord> records;
    std::vector<std::uint8_t> recordState;  // 0 not looked up, 1 present, 2 gone
    std::size_t folderLength = 0;
    std::size_t nextEntry = 0;
    bool walkSubfolders = false;
  };

  void searchTarget(const TargetFolder& target);
  // Announces the folder on top of the stack, reports its matches and decides whether its
  // sub-folders are walked.
  void enterFolder(const TargetFolder& target);
  bool lookUp(Frame& frame, std::size_t entry);
  // The acceptance test of the entry in record_, which it marks as a system file when it is a
  // package's regular file and that matters.
  bool accept(Frame& frame);
  void push(std::unique_ptr<Directory> directory);
  void pop();
  void unwind();

  FindFile& owner_;
  DirectoryReader& reader_;
  PackageOwnership ownership_;
  std::vector<Frame> frames_;
  std::size_t depth_ = 0;  // frames in use
  std::string folder_;
  SearchRecord record_;
};

}  // namespace norvane
