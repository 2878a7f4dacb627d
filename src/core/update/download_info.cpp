#include "core/update/download_info.h"

#include "core/shared/ini_file.h"
#include "core/update/key_value_line.h"
#include "core/update/version_date.h"

namespace norvane {

std::string entryName(const std::string& line) { return std::string(splitKeyValueLine(line).key); }

std::string entryAddress(const std::string& line) {
  return std::string(splitKeyValueLine(line).value);
}

DownloadInfo DownloadInfo::fromFile(const std::string& path) {
  DownloadInfo info;
  IniFile ini(path);
  if (!ini.fileExisted()) return info;

  info.pattern = static_cast<std::uint8_t>(ini.readInteger("Version", "Pattern", 1) & 0xFF);
  if (info.pattern == static_cast<std::uint8_t>(VersionPattern::ByDateTime)) {
    info.versionAsDateTime = parseVersionDate(ini.readString("Version", "Version")).value_or(0.0);
  } else if (info.pattern == static_cast<std::uint8_t>(VersionPattern::ByNumber)) {
    const std::int64_t number = ini.readInteger("Version", "Version", 1);
    // A number outside 32 bits is not a valid version: the default applies.
    info.versionAsNumber =
        number >= INT32_MIN && number <= INT32_MAX ? static_cast<std::int32_t>(number) : 1;
  }
  for (auto& [key, value] : ini.readSectionValues("Files")) {
    if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
    info.lines.push_back(key + "=" + value);
  }
  return info;
}

}  // namespace norvane
