#include "core/cleaning/cleaning_settings.h"

#include "core/search/list_rules.h"
#include "core/shared/ini_file.h"
#include "platform/errors.h"

namespace norvane {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (lower(c) >= 'a' && lower(c) <= 'f'); }

}  // namespace

const std::array<CleaningOption, kOptionCount>& cleaningOptions() {
  static const std::array<CleaningOption, kOptionCount> options = {{
      {"Optichk1", &CleaningOptions::skipTempFolder, "全盘扫描时跳过系统临时文件夹", true},
      {"Optichk2", &CleaningOptions::skipBrowserFolders, "全盘扫描时跳过IE缓存文件夹", true},
      {"Optichk3", &CleaningOptions::scanHidden, "扫描隐藏属性文件", true},
      {"Optichk4", &CleaningOptions::scanReadOnly, "扫描只读属性文件", true},
      {"Optichk5", &CleaningOptions::scanSystem, "扫描系统属性文件", false},
      {"Optichk6", &CleaningOptions::scanEmpty, "扫描0字节(空)文件", true},
      {"Optichk7", &CleaningOptions::moveToRecycleBin, "删除文件时移动到回收站", false},
      {"Optichk8", &CleaningOptions::deleteAtRestart, "删除文件时,如果文件正在使用则下次启动时删除",
       true},
  }};
  return options;
}

const std::vector<FileType>& builtInFileTypes() {
  static const std::vector<FileType> types = {
      {"帮助文件缓存", "*.gid;*.ftg;*.fts;", true},
      {"图象缓存", "Thumbs.db;pspbrwse.jbf;", true},
      {"恢复文件", "*.chk;chklist.*;", true},
      {"错误日志", "*.err;errorlog.txt;", true},
      {"备份文件", "*.bak;*.old;*.prv;~*.*;", true},
      {"临时文件", "*.tmp;*.temp;*.??$;*.~*;*._mp;*.$$$;*.---;*.@@@;*.dmp;mscreate.dir;", true},
      {"日志文件", "*.log;", true},
  };
  return types;
}

CleaningSettings defaultCleaningSettings() {
  CleaningSettings settings;
  for (const CleaningOption& option : cleaningOptions())
    settings.options.*option.flag = option.defaultChecked;
  settings.types = builtInFileTypes();
  return settings;
}

const CleaningOption* optionOfKey(std::string_view key) {
  for (const CleaningOption& option : cleaningOptions()) {
    const std::string_view candidate = option.key;
    if (candidate.size() != key.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < key.size() && same; ++k)
      same = lower(candidate[k]) == lower(key[k]);
    if (same) return &option;
  }
  return nullptr;
}

bool scanSetValueChecked(std::string_view value) {
  while (!value.empty() && isBlank(value.front())) value.remove_prefix(1);
  while (!value.empty() && isBlank(value.back())) value.remove_suffix(1);
  if (!value.empty() && (value.front() == '+' || value.front() == '-')) value.remove_prefix(1);
  bool hex = false;
  if (!value.empty() && value.front() == '$') {
    hex = true;
    value.remove_prefix(1);
  } else if (value.size() >= 2 && value[0] == '0' && lower(value[1]) == 'x') {
    hex = true;
    value.remove_prefix(2);
  }
  if (value.empty()) return false;
  // Only "non-zero" matters, so a number too long for any integer type still counts.
  bool nonZero = false;
  for (char c : value) {
    if (hex ? !isHexDigit(c) : (c < '0' || c > '9')) return false;
    if (c != '0') nonZero = true;
  }
  return nonZero;
}

std::string settingsPath(const std::string& programFolder) {
  if (programFolder.empty()) return kSettingsFileName;
  std::string path = programFolder;
  if (path.back() != '/') path += '/';
  return path + kSettingsFileName;
}

void loadCleaningSettings(const std::string& path, CleaningSettings& settings) {
  IniFile ini(path);
  if (!ini.fileExisted()) return;
  for (const auto& [key, value] : ini.readSectionValues(kScanSetSection)) {
    if (const CleaningOption* option = optionOfKey(key))
      settings.options.*option->flag = scanSetValueChecked(value);
  }
  auto rows = ini.readSectionValues(kFileListSection);
  if (rows.empty()) return;
  settings.types.clear();
  settings.types.reserve(rows.size());
  for (auto& [description, masks] : rows)
    settings.types.push_back(FileType{std::move(description), std::move(masks), true});
}

void saveCleaningSettings(const std::string& path, const CleaningSettings& settings) {
  IniFile ini(path);
  auto write = [&](const char* section, const std::string& key, const std::string& value) {
    if (ini.writeString(section, key, value) != 0) throw NorvaneError("Unable to write to " + path);
  };
  for (const CleaningOption& option : cleaningOptions())
    write(kScanSetSection, option.key, settings.options.*option.flag ? "1" : "0");
  for (const FileType& type : settings.types) write(kFileListSection, type.description, type.masks);
}

std::string joinScanMasks(const std::vector<FileType>& types) {
  std::string masks;
  for (const FileType& type : types)
    if (type.checked) masks += type.masks;
  return masks;
}

std::vector<std::string> scanMasks(const std::vector<FileType>& types) {
  return SplitList(joinScanMasks(types));
}

FileType newFileType(const std::string& description, const std::string& typedMasks) {
  return FileType{description, typedMasks + ";", true};
}

}  // namespace norvane
