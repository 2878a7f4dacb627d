#include "core/cleaning/junk_criteria.h"

#include <algorithm>

#include "core/shared/folder_functions.h"

namespace norvane {

std::vector<std::string> junkExcludedFolders(const CleaningOptions& options,
                                             ShellFolders& folders) {
  std::vector<std::string> excluded;
  auto exclude = [&excluded](std::string folder) {
    if (folder.empty()) return;
    // The root folder already ends with the separator.
    if (folder.back() != kPathDelimiter) folder += kPathDelimiter;
    excluded.push_back(std::move(folder));
  };
  if (options.skipTempFolder) exclude(LongTempFolderPath(folders));
  if (options.skipBrowserFolders) {
    exclude(ShellFolderPath(folders, CSIDL_INTERNET_CACHE));
    exclude(ShellFolderPath(folders, CSIDL_COOKIES));
    exclude(ShellFolderPath(folders, CSIDL_HISTORY));
  }
  return excluded;
}

void applyJunkSettings(const CleaningSettings& settings, ShellFolders& folders,
                       SearchCriteria& criteria) {
  const CleaningOptions& options = settings.options;
  criteria.Files().SetExcluded(junkExcludedFolders(options, folders));
  criteria.AttributeEx().SetHidden(options.scanHidden ? fsIgnore : fsUnset);
  criteria.AttributeEx().SetReadonly(options.scanReadOnly ? fsIgnore : fsUnset);
  criteria.AttributeEx().SetSystem(options.scanSystem ? fsIgnore : fsUnset);
  criteria.Size().SetMin(options.scanEmpty ? 0 : 1);
  criteria.Files().SetFileName("");
  criteria.Files().SetMasks(scanMasks(settings.types));
}

void applyTempFolderRules(SearchCriteria& criteria) {
  criteria.Files().Excluded().clear();
  criteria.Files().SetFileName("");
  criteria.Files().SetMasks({"*.*"});
}

bool isExcludedFolder(const std::vector<std::string>& excluded, const std::string& folder) {
  return std::find(excluded.begin(), excluded.end(), folder) != excluded.end();
}

}  // namespace norvane
