#pragma once
// An INI file with the semantics of the Windows profile functions that settings rely on:
// sections and keys are found without regard to ASCII case and with blanks around keys and
// values ignored; a key written again keeps its line (and its spelling), a new key goes to the
// end of its section, a new section to the end of the file; nothing is ever removed; of
// duplicate keys (or sections) the first one counts, for reading and for rewriting. Lines starting
// with ";" are comments and, like every line this class doesn't rewrite, stay as they are.
//
// Text: files are written as UTF-8 (a byte-order mark that was there is kept). A file that is
// not valid UTF-8 is read as the Chinese ANSI code page (CP936/GBK) and becomes UTF-8 when
// next written. Each line keeps its own line ending; new lines take the file's first ending,
// and a new file uses CRLF, as the Windows INI files it stands in for.
//
// Keys and values an INI line can't carry unchanged are stored escaped: a key that is empty,
// contains "=" or a control character (CR, LF, tab...), starts with ";" or "[", has a blank
// at either end, or starts with "%%" is written as "%%" followed by the key with "%", "=",
// control characters and edge blanks as "%XX" (two upper-case hex digits) -- " a=b" becomes
// "%%%20a%3Db". A value is escaped the same way when it holds CR, LF or NUL, has a blank at
// either end, or starts with "%%". Everything else is written as is, and reading undoes the
// escape, so any text round-trips while ordinary keys and values look as they always did.
//
// Every write goes to disk at once (atomically where the folder allows); a write that fails
// leaves the file and this object as they were.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvane {

class IniFile {
 public:
  // Files above this size are not read (and so never rewritten).
  static constexpr std::size_t kMaxFileBytes = 64u * 1024 * 1024;

  // Reads the file now. A missing file reads as empty; so does one that can't be read, and
  // then every write fails rather than replacing content this object never saw.
  explicit IniFile(std::string path);

  const std::string& path() const { return path_; }
  bool fileExisted() const { return existed_; }
  // True when the file was not valid UTF-8 and was decoded as CP936.
  bool decodedAsCp936() const { return decodedAsCp936_; }

  std::string readString(std::string_view section, std::string_view key,
                         std::string_view defaultValue = {}) const;
  std::optional<std::string> findValue(std::string_view section, std::string_view key) const;
  // Decimal, or hexadecimal with "0x" or "$", optionally signed; else `defaultValue`.
  std::int64_t readInteger(std::string_view section, std::string_view key,
                           std::int64_t defaultValue) const;
  // Key names of the section in file order, each once (first spelling).
  std::vector<std::string> readSectionKeys(std::string_view section) const;
  // Key names with their values, as readSectionKeys orders them; a line without "=" is a key
  // with an empty value.
  std::vector<std::pair<std::string, std::string>> readSectionValues(
      std::string_view section) const;
  // Section names in file order, each once.
  std::vector<std::string> readSections() const;
  bool sectionExists(std::string_view section) const;

  // 0 on success, else an errno-style code (EINVAL for a section name that can't be written).
  int writeString(std::string_view section, std::string_view key, std::string_view value);
  int writeInteger(std::string_view section, std::string_view key, std::int64_t value);

  // The whole file as it would be written now.
  std::string serialize() const;

  static std::string encodeKey(std::string_view key);
  static std::string decodeKey(std::string_view stored);
  static std::string encodeValue(std::string_view value);
  static std::string decodeValue(std::string_view stored);
  static std::optional<std::int64_t> parseInteger(std::string_view text);

 private:
  struct Line {
    std::string text;    // without its line ending
    std::string ending;  // "\r\n", "\n" or "" (last line without one)
  };

  void load();
  // Index of the first header of `section`, or npos.
  std::size_t findSection(std::string_view section) const;
  // One past the last line of the section that starts at `header`.
  std::size_t sectionEnd(std::size_t header) const;
  std::size_t findKey(std::size_t header, std::string_view key) const;
  int save();

  std::string path_;
  std::vector<Line> lines_;
  std::string newline_ = "\r\n";
  bool bom_ = false;
  bool existed_ = false;
  bool readable_ = true;
  bool decodedAsCp936_ = false;
};

}  // namespace norvane
