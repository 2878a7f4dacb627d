#pragma once
// Whether loaded update information offers a newer version than the running one.
#include <cstdint>

#include "core/update/download_info.h"

namespace norvane {

struct RunningVersion {
  VersionPattern pattern = VersionPattern::ByNumber;
  std::int32_t number = 1;
  double dateTime = 0.0;
};

// By number: strictly greater (signed). By date and time: strictly later. The running
// version's pattern decides which field is compared; an update without lines is no update.
bool offersUpdate(const DownloadInfo& loaded, const RunningVersion& running);

}  // namespace norvane
