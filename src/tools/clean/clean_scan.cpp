#include "tools/clean/clean_scan.h"

#include <string>

#include "core/cleaning/junk_criteria.h"
#include "core/cleaning/target_rows.h"
#include "core/search/file_time.h"
#include "core/search/find_file.h"
#include "core/shared/drive_helpers.h"
#include "tools/clean/found_file_list.h"
#include "tools/shared/block_output.h"

namespace norvane {

namespace {

std::vector<std::string> folderColumn(const std::vector<FolderRow>& rows) {
  std::vector<std::string> folders;
  for (const FolderRow& row : rows) folders.push_back(row.folder);
  return folders;
}

// The folders of a target, as the rows of its page are when every row is checked.
std::vector<std::string> targetFolders(const CleanTarget& target, const Platform& platform) {
  switch (target.kind) {
    case CleanTarget::Kind::Partitions: {
      std::vector<std::string> roots;
      GetFixedDrives(*platform.volumes, &roots);
      return roots;
    }
    case CleanTarget::Kind::TempFolders:
      return folderColumn(tempFolderRows(*platform.shellFolders));
    case CleanTarget::Kind::CommonFolders:
      return folderColumn(commonFolderRows(*platform.shellFolders));
    case CleanTarget::Kind::Folder:
      return {target.folder};
  }
  return {};
}

}  // namespace

int runCleanScan(const std::vector<CleanTarget>& targets, const CleaningSettings& settings,
                 const Platform& platform, const ReadAheadOptions& readAhead, std::FILE* out) {
  BlockOutput output(out);
  FindFile search;
  search.SetPackageDatabase(platform.packageDatabase);
  search.SetReadAhead(readAhead);
  search.OnFolderChange = [](FindFile* sender, const std::string& folder, FolderIgnore& ignore) {
    // Read afresh at every folder, as the window does.
    if (isExcludedFolder(sender->Criteria().Files().Excluded(), folder))
      ignore = fiThisAndSubfolders;
  };
  search.OnFileMatch = [&output](FindFile*, const std::string& folder, const SearchRecord& rec) {
    ListedFile listed;
    listed.file = ScannedFile{folder, rec.Name, rec.FolderIdentity, rec.Identity};
    listed.size = rec.Size;
    listed.modified = fileTimeToUnix(rec.FindData.ftLastWriteTime);
    output.append(formatListLine(listed));
  };

  for (const CleanTarget& target : targets) {
    SearchCriteria& criteria = search.Criteria();
    // As a list: each folder is taken whole, whatever characters its name has.
    criteria.Files().SetLocation("");
    criteria.Files().SetLocations(targetFolders(target, platform));
    applyJunkSettings(settings, *platform.shellFolders, criteria);
    if (target.kind == CleanTarget::Kind::TempFolders) applyTempFolderRules(criteria);
    search.Execute();
  }
  return output.flush() && std::fflush(out) == 0 ? 0 : 1;
}

}  // namespace norvane
