#include "core/update/version_check.h"

namespace norvane {

bool offersUpdate(const DownloadInfo& loaded, const RunningVersion& running) {
  if (loaded.lines.empty()) return false;
  switch (running.pattern) {
    case VersionPattern::ByNumber:
      return loaded.versionAsNumber > running.number;
    case VersionPattern::ByDateTime:
      return loaded.versionAsDateTime > running.dateTime;
  }
  return false;
}

}  // namespace norvane
