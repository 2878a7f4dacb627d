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

struct CleaningOption {
  const char* name;  // the check box's name and its key in "ScanSet"
  const char* caption;
  bool defaultChecked;
};

// Optichk1..Optichk8 in creation order, which is also the order they are saved in.
const std::array<CleaningOption, kOptionCount>& cleaningOptions();

struct FileType {
  std::string description;
  std::string masks;  // patterns, each followed by ";"
  bool checked = true;
  bool operator==(const FileType&) const = default;
};

struct CleaningSettings {
  std::array<bool, kOptionCount> options{};  // options[0] is Optichk1
  std::vector<FileType> types;
};

// The built-in file types, in order, all checked.
const std::vector<FileType>& builtInFileTypes();
CleaningSettings defaultCleaningSettings();

// Index 0..7 of the option named `name` (matched without regard to case, as the dialog finds
// its components), or -1.
int optionIndex(std::string_view name);

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

// The new row that "add file type" makes: masks text is the typed text followed by ";".
FileType newFileType(const std::string& description, const std::string& typedMasks);

}  // namespace norvane
