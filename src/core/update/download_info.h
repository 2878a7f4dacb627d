#pragma once
// The update information: the [Files] entries ("destination=address") of an update
// information file plus its version.
#include <cstdint>
#include <string>
#include <vector>

namespace norvane {

enum class VersionPattern : std::uint8_t { ByDateTime = 0, ByNumber = 1 };

class DownloadInfo {
 public:
  // Longer values are cut to this many characters.
  static constexpr std::size_t kMaxValueLength = 2047;

  // Empty: no lines, pattern by date and time, versions 0.0 and 0.
  DownloadInfo() = default;
  // Reads an update information file in INI form. Never fails: what can't be read stays empty.
  static DownloadInfo fromFile(const std::string& path);

  // One "name=value" line per [Files] key, in file order.
  std::vector<std::string> lines;
  // The file's "Pattern" value, low 8 bits; it may hold values other than the two patterns.
  std::uint8_t pattern = static_cast<std::uint8_t>(VersionPattern::ByDateTime);
  double versionAsDateTime = 0.0;    // days since 1899-12-30, filled for pattern 0
  std::int32_t versionAsNumber = 0;  // filled for pattern 1

  // Copies only the lines, as assigning a plain list of lines does.
  void assignLines(const std::vector<std::string>& source) { lines = source; }
};

// The destination (text before the first "=") and the address (the text after it).
std::string entryName(const std::string& line);
std::string entryAddress(const std::string& line);

}  // namespace norvane
