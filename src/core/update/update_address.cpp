#include "core/update/update_address.h"

#include "core/shared/ini_file.h"
#include "core/update/update_files.h"

namespace norvane {

std::string updateInfoAddress(const std::string& appDir) {
  const IniFile settings(appDir + kSettingsFileName);
  std::string url = settings.readString("Update", "URL");
  return url.empty() ? std::string(kDefaultUpdateInfoUrl) : url;
}

}  // namespace norvane
