#pragma once
// Desktop entry files on a POSIX file system.
#include "platform/desktop_files.h"

namespace norvane {

class PosixDesktopFiles : public DesktopFiles {
 public:
  std::vector<std::string> list(const std::string& folder) override;
  std::optional<std::string> read(const std::string& path) override;
  std::string realPath(const std::string& path) override;
  int remove(const std::string& path) override;
};

}  // namespace norvane
