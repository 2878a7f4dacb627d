#pragma once
// How the cleaning settings become the criteria of a junk scan, and which folders the scan
// skips. Qt-free, so every front end scans by the same rules.
#include <string>
#include <vector>

#include "core/cleaning/cleaning_settings.h"
#include "core/search/search_criteria.h"
#include "platform/shell_folders.h"

namespace norvane {

// The folders a scan skips under `options`, each ending with the separator: the temporary
// folder, and the browser's cache, cookie and history folders. A folder the system can't name
// is left out: as an exclusion line a lone separator would match every file.
std::vector<std::string> junkExcludedFolders(const CleaningOptions& options, ShellFolders& folders);

// Sets what the settings decide in `criteria`: hidden, read-only and system files, empty
// files, the name masks of the checked file types and the excluded folders. The locations are
// left alone.
void applyJunkSettings(const CleaningSettings& settings, ShellFolders& folders,
                       SearchCriteria& criteria);

// A scan of the temporary folders, after applyJunkSettings: every file in them is junk and
// none of them is skipped; the attribute and size settings still hold.
void applyTempFolderRules(SearchCriteria& criteria);

// True when `folder` is one of the excluded lines. Folder names on this system differ by
// case, so the comparison is exact.
bool isExcludedFolder(const std::vector<std::string>& excluded, const std::string& folder);

}  // namespace norvane
