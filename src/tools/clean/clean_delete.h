#pragma once
// `norvane-clean delete`: the file list's "全部删除" over a list of found files.
#include <cstdio>
#include <vector>

#include "core/cleaning/cleaning_settings.h"
#include "platform/platform.h"
#include "tools/clean/found_file_list.h"

namespace norvane {

// Deletes (or with `dryRun` only judges) every listed file by the rules of the file list, with
// registration for the next start when the settings ask for it; writes a status line per file
// and then the space freed to `out`. 0 when every file was deleted or registered, 1 otherwise;
// an error that ends the run goes to `err`.
int runCleanDelete(const std::vector<ListedFile>& files, const CleaningSettings& settings,
                   const Platform& platform, bool dryRun, std::FILE* out, std::FILE* err);

}  // namespace norvane
