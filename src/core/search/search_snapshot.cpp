#include "core/search/search_snapshot.h"

#include "core/search/list_rules.h"
#include "core/search/path_parts.h"

namespace norvane {

SearchSnapshot::SearchSnapshot(const SearchCriteria& criteria, const std::string& currentDirectory)
    : TargetFolders(currentDirectory) {
  BuildTargets(criteria);
  Attribute.Assign(&criteria.Attribute());
  AttributeEx.Assign(&criteria.AttributeEx());
  TimeStamp.Assign(&criteria.TimeStamp());
  Size.Assign(&criteria.Size());
  Content.Assign(&criteria.Content());
  // A content search never reports folders.
  if (!Content.Phrase().empty()) {
    FileAttributes attributes = Attribute.Attributes();
    attributes.Exclude(ffDirectory);
    Attribute.SetAttributes(attributes);
  }
  for (std::size_t i = 0; i < TargetFolders.Count(); ++i) TargetFolders[i].prepareMasks();
}

void SearchSnapshot::BuildTargets(const SearchCriteria& criteria) {
  const FileCriteria& files = criteria.Files();
  TargetFolders.ExcludedFiles = files.Excluded();

  for (const std::string& line : files.Included()) {
    std::string item = line;
    bool subfolders = ParseFolderPrefix(item, files.Subfolders());
    TargetFolder& target = TargetFolders.AddFolder(std::string(folderPart(item)));
    std::string_view mask = namePart(item);
    target.FileMasks.emplace_back(mask.empty() ? std::string_view("*.*") : mask);
    target.Subfolders = subfolders;
    target.MinLevel = files.MinLevel();
    target.MaxLevel = files.MaxLevel();
  }

  StringList masks = SplitList(files.FileName());
  AppendListItems(masks, files.Masks());
  if (masks.empty()) masks.emplace_back("*.*");

  StringList locations = SplitList(files.Location(), /*caseSensitive=*/true);
  AppendListItems(locations, files.Locations(), /*caseSensitive=*/true);
  for (std::string item : locations) {
    bool subfolders = ParseFolderPrefix(item, files.Subfolders());
    TargetFolder& target = TargetFolders.AddFolder(item);
    target.FileMasks.insert(target.FileMasks.end(), masks.begin(), masks.end());
    target.Subfolders = subfolders;
    target.MinLevel = files.MinLevel();
    target.MaxLevel = files.MaxLevel();
  }
}

bool SearchSnapshot::Matches(const std::string& folder, const SearchRecord& entry,
                             Directory* directory) const {
  if (!Size.Matches(entry.Size)) return false;
  if (!Attribute.Matches(entry.Attr)) return false;
  if (!AttributeEx.Matches(entry.FindData.dwFileAttributes)) return false;
  const Win32FindData& data = entry.FindData;
  if (!TimeStamp.Matches(data.ftCreationTime, data.ftLastWriteTime, data.ftLastAccessTime)) {
    return false;
  }
  if (TargetFolders.IsExcluded(folder, entry.Name)) return false;
  if (Content.PhraseLen() <= 0) return true;
  if (directory) {
    auto file = directory->openFile(entry.Name.c_str());
    return Content.MatchesFile(file.get());
  }
  return Content.Matches(folder + entry.Name);
}

}  // namespace norvane
