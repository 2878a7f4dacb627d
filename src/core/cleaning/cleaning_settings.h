#pragma once
// The cleaning options and junk file types, and how they are kept in "Setup.ini". The
// settings dialog holds the live state in its check boxes and list; it copies that state into
// a CleaningSettings to save it and back out of one after loading.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

inline constexpr int kOptionCount = 8;
inline constexpr const char* kSettingsFileName = "Setup.ini";
inline constexpr const char* kScanSetSection = "ScanSet";
inline constexpr const char* kFileListSection = "FileList";

// The eight cleaning options, in the order the dialog shows and the file stores them.
struct CleaningOptions {
  bool skipTempFolder = false;      // a partition scan skips the temporary folder
  bool skipBrowserFolders = false;  // ... and the browser's cache, cookie and history folders
  bool scanHidden = false;
  bool scanReadOnly = false;
  bool scanSystem = false;
  bool scanEmpty = false;         // files of 0 bytes
  bool moveToRecycleBin = false;  // kept and saved, never offered
  bool deleteAtRestart = false;   // a file that can't be deleted now goes at the next start
  bool operator==(const CleaningOptions&) const = default;
};

// One option as the settings file and the dialog know it.
struct CleaningOption {
  const char* key;  // its key in "ScanSet"
  bool CleaningOptions::*flag;
  const char* caption;
  bool defaultChecked;
};

// Every option in file order: the one table from "ScanSet" key to option.
const std::array<CleaningOption, kOptionCount>& cleaningOptions();

struct FileType {
  std::string description;
  std::string masks;  // patterns, each followed by ";"
  bool checked = true;
  bool operator==(const FileType&) const = default;
};

struct CleaningSettings {
  CleaningOptions options;
  std::vector<FileType> types;
};

// The built-in file types, in order, all checked.
const std::vector<FileType>& builtInFileTypes();
CleaningSettings defaultCleaningSettings();

// The option whose "ScanSet" key is `key` (matched without regard to case), or null.
const CleaningOption* optionOfKey(std::string_view key);

// A "ScanSet" value counts as checked when it reads as a whole number other than 0: decimal,
// or hexadecimal with "0x" or "$", with an optional sign and blanks around. Anything else,
// an empty value included, is unchecked.
bool scanSetValueChecked(std::string_view value);

// The settings file beside the program: `programFolder` + "Setup.ini".
std::string settingsPath(const std::string& programFolder);

// Applies the file at `path` to `settings`. With no file nothing changes. Each "ScanSet" key
// that names an option sets it; other keys are ignored and options without a key keep their
// state. When "FileList" has at least one key its keys, in file order, replace the types
// (all checked); a missing or empty section leaves the types alone. A file that can't be
// read counts as missing.
void loadCleaningSettings(const std::string& path, CleaningSettings& settings);

// Writes every option ("1"/"0") under "ScanSet", then every type, checked or not, under
// "FileList" with its masks text as value. Stops at the first failed write and throws
// NorvaneError("Unable to write to " + path); what was written before stays.
void saveCleaningSettings(const std::string& path, const CleaningSettings& settings);

// The scan's name patterns: the masks texts of the checked types joined in list order, with
// no separator of their own.
std::string joinScanMasks(const std::vector<FileType>& types);
// The same patterns one per item: each checked type's masks text cut at ";" and trimmed,
// empty and repeated patterns left out.
std::vector<std::string> scanMasks(const std::vector<FileType>& types);

// The new row that "add file type" makes: masks text is the typed text followed by ";".
FileType newFileType(const std::string& description, const std::string& typedMasks);

}  // namespace norvane
