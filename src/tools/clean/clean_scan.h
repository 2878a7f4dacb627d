#pragma once
// `norvane-clean scan`: the window's junk scan over the targets of the command line.
#include <cstdio>
#include <vector>

#include "core/cleaning/cleaning_settings.h"
#include "core/search/read_ahead_options.h"
#include "platform/platform.h"
#include "tools/clean/clean_options.h"

namespace norvane {

// Scans the targets in order, each as its page in the window does, and writes a list line per
// found file to `out`. 0, or 1 when the output could not be written.
int runCleanScan(const std::vector<CleanTarget>& targets, const CleaningSettings& settings,
                 const Platform& platform, const ReadAheadOptions& readAhead, std::FILE* out);

}  // namespace norvane
