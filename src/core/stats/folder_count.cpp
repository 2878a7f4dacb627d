#include "core/stats/folder_count.h"

#include "core/shared/drive_helpers.h"
#include "core/stats/top_level_folders.h"

namespace norvane {

namespace {

// Marks the count as running for the duration of a call; calls may nest.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = was_; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace

FolderCount::FolderCount(FindFile& search, DirectoryReader& reader)
    : search_(search), reader_(reader) {
  configureSearch(search_);
  search_.OnSearchBegin = [this](FindFile*) { searchBegan(); };
  search_.OnFolderChange = [this](FindFile* s, const std::string& folder, FolderIgnore&) {
    folderEntered(s, folder);
  };
  search_.OnFileMatch = [this](FindFile* s, const std::string& folder, const SearchRecord& entry) {
    entryFound(s, folder, entry);
  };
}

void FolderCount::configureSearch(FindFile& search) {
  SearchCriteria& criteria = search.Criteria();
  criteria.Files().SetFileName("*.*");
  criteria.Files().SetSubfolders(true);
  criteria.Files().SetMinLevel(0);
  criteria.Files().SetMaxLevel(0);
  criteria.Attribute().SetAttributes({ffArchive, ffReadonly, ffHidden, ffSystem, ffDirectory});
  search.SetThreaded(false);
  search.SetReadAhead(ReadAheadOptions::defaults());
}

FolderCount::RootResult FolderCount::countRoot(const std::string& root,
                                               std::int64_t partitionSize) {
  RunningFlag running(running_);
  const TopLevelFolders top = listTopLevelFolders(reader_, root);
  if (!top.listed) return RootResult::Unlisted;
  for (const std::string& folder : top.folders) {
    // As a list: a folder whose name holds ";" or blanks is searched as itself.
    search_.Criteria().Files().SetLocation("");
    search_.Criteria().Files().SetLocations({folder});
    search_.Execute();
    const bool stopped = search_.Aborted();
    if (onFolderCounted) {
      onFolderCounted(
          FolderFigures{folder, folderCount, fileCount, totalSize, partitionSize, !stopped});
    }
    if (stopped) return RootResult::Stopped;
  }
  return RootResult::Counted;
}

bool FolderCount::countPartitions(Volumes& volumes, const std::vector<int>& driveNumbers) {
  RunningFlag running(running_);
  for (int number : driveNumbers) {
    const char letter = static_cast<char>('A' + number - 1);
    const std::string root = DriveRootPath(volumes, letter);
    const std::int64_t size = DriveSize(volumes, letter);
    if (root.empty()) continue;  // the partition has gone since the list was filled
    if (countRoot(root, size) == RootResult::Stopped) return false;
  }
  return true;
}

void FolderCount::searchBegan() {
  folderCount = 0;
  fileCount = 0;
  totalSize = 0;
}

void FolderCount::folderEntered(FindFile* sender, const std::string& folder) {
  currentFolder_ = folder;
  if (!sender->Threaded() && letInterfaceRun && slice_.due()) letInterfaceRun();
}

void FolderCount::entryFound(FindFile* sender, const std::string& folder,
                             const SearchRecord& entry) {
  if (entry.Attr & kFileAttributeDirectory) {
    ++folderCount;
  } else {
    ++fileCount;
    totalSize += entry.Size;
    // Sizes are the entries' own, as `find -printf %s` gives them: a link's is its length.
    if ((entry.Attr & kFileAttributeReparsePoint) && linkSize) {
      const std::int64_t size = linkSize(folder + entry.Name);
      if (size > 0) totalSize += size;
    }
  }
  if (!sender->Threaded() && letInterfaceRun && slice_.due()) letInterfaceRun();
}

}  // namespace norvane
