#pragma once
// The folder statistics: for every top-level folder of a partition root, how many folders and
// files lie below it at any depth and how many bytes the files take. One search per top-level
// folder, on the caller's thread; the interface gets its turn once per time slice.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/search/find_file.h"
#include "core/shared/time_slice.h"
#include "platform/directory_reader.h"
#include "platform/volumes.h"

namespace norvane {

// The figures of one top-level folder.
struct FolderFigures {
  std::string path;  // partition root + folder name, without a trailing separator
  std::int64_t folders = 0;
  std::int64_t files = 0;
  std::int64_t bytes = 0;          // the files' own sizes; folders count 0
  std::int64_t partitionSize = 0;  // total size of the partition, -1 when unreadable
  bool complete = true;            // false: the count was stopped inside this folder
};

class FolderCount {
 public:
  enum class RootResult { Counted, Unlisted, Stopped };

  // Configures `search` (see configureSearch) and takes over its folder and match events.
  // `reader` lists the roots; both must outlive the count.
  FolderCount(FindFile& search, DirectoryReader& reader);
  FolderCount(const FolderCount&) = delete;
  FolderCount& operator=(const FolderCount&) = delete;

  // Every file and every folder accepted, sub-folders without a level limit, on the caller's
  // thread, with folders read ahead on other threads. The walk itself never follows a link
  // nor enters another mount.
  static void configureSearch(FindFile& search);

  // A folder's figures are ready (after a stop too, with what was counted so far).
  std::function<void(const FolderFigures&)> onFolderCounted;
  // The own size of the link at a path (the length of the path it holds), or -1. The search
  // reports links with 0 bytes; without this they count 0.
  std::function<std::int64_t(const std::string& path)> linkSize;
  // Lets the interface run; called from inside the search at most once per time slice, so a
  // stop arrives within a slice. The folder being walked is currentFolder().
  std::function<void()> letInterfaceRun;

  // Counts the top-level folders of `root` in listing order. Stops after the folder in which
  // the search was stopped.
  RootResult countRoot(const std::string& root, std::int64_t partitionSize);
  // countRoot for each drive (1 for A) in the order given, with the drive's root path and
  // size; false when the count was stopped.
  bool countPartitions(Volumes& volumes, const std::vector<int>& driveNumbers);

  // Stops the running search; the count ends after that folder's figures.
  void stop() { search_.Abort(); }
  // From the first countRoot/countPartitions call until it returns.
  bool running() const { return running_ || search_.Busy(); }

  // The figures of the folder being counted.
  std::int64_t folderCount = 0;
  std::int64_t fileCount = 0;
  std::int64_t totalSize = 0;
  // The folder the search entered last, ending in the separator.
  const std::string& currentFolder() const { return currentFolder_; }

 private:
  void searchBegan();
  void folderEntered(FindFile* sender, const std::string& folder);
  void entryFound(FindFile* sender, const std::string& folder, const SearchRecord& entry);

  FindFile& search_;
  DirectoryReader& reader_;
  TimeSlice slice_;
  std::string currentFolder_;
  bool running_ = false;
};

}  // namespace norvane
