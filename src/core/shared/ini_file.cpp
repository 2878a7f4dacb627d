#include "core/shared/ini_file.h"

#include <cerrno>
#include <limits>
#include <unordered_set>

#include "platform/ansi_codec.h"
#include "platform/file_content.h"

namespace norvane {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kEscapeMark = "%%";
constexpr std::size_t npos = std::string::npos;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::string lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = lower(c);
  return out;
}

bool isValidUtf8(std::string_view s) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (i < n) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t extra;
    std::uint32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (n - i <= extra) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += extra + 1;
  }
  return true;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string escapeBody(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out(kEscapeMark);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    bool edge = i == 0 || i + 1 == text.size();
    if (c == '%' || c == '=' || isControl(c) || (edge && isBlank(c))) {
      unsigned char u = static_cast<unsigned char>(c);
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

std::string unescapeBody(std::string_view stored) {
  std::string out;
  std::string_view body = stored.substr(kEscapeMark.size());
  out.reserve(body.size());
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] == '%' && i + 2 < body.size()) {
      int hi = hexDigit(body[i + 1]);
      int lo = hexDigit(body[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        continue;
      }
    }
    out += body[i];
  }
  return out;
}

// A parsed line: what kind it is and, for a key line, its key and value as stored.
struct Parsed {
  enum Kind { Other, Section, Key } kind = Other;
  std::string_view name;   // section name or stored key
  std::string_view value;  // stored value
};

Parsed parseLine(std::string_view text) {
  Parsed p;
  std::string_view t = trim(text);
  if (t.empty() || t.front() == ';') return p;
  if (t.front() == '[') {
    p.kind = Parsed::Section;
    std::string_view inner = t.substr(1);
    auto close = inner.find(']');
    p.name = trim(close == npos ? inner : inner.substr(0, close));
    return p;
  }
  p.kind = Parsed::Key;
  auto eq = t.find('=');
  if (eq == npos) {
    p.name = t;
  } else {
    p.name = trim(t.substr(0, eq));
    p.value = trim(t.substr(eq + 1));
  }
  return p;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) { load(); }

void IniFile::load() {
  std::string raw;
  switch (readWholeFile(path_, raw, kMaxFileBytes)) {
    case ReadFileStatus::Ok:
      existed_ = true;
      break;
    case ReadFileStatus::NotFound:
      return;
    case ReadFileStatus::TooLarge:
    case ReadFileStatus::Failed:
      existed_ = true;
      readable_ = false;
      return;
  }
  std::string_view view(raw);
  if (view.substr(0, kBom.size()) == kBom) {
    bom_ = true;
    view.remove_prefix(kBom.size());
  }
  std::string text;
  if (isValidUtf8(view)) {
    text.assign(view);
  } else {
    text = cp936ToUtf8(view);
    decodedAsCp936_ = true;
  }
  bool endingChosen = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t nl = text.find('\n', start);
    Line line;
    if (nl == npos) {
      line.text = text.substr(start);
      start = text.size();
    } else {
      std::size_t end = nl;
      line.ending = "\n";
      if (end > start && text[end - 1] == '\r') {
        --end;
        line.ending = "\r\n";
      }
      line.text = text.substr(start, end - start);
      start = nl + 1;
      if (!endingChosen) {
        newline_ = line.ending;
        endingChosen = true;
      }
    }
    lines_.push_back(std::move(line));
  }
}

std::size_t IniFile::findSection(std::string_view section) const {
  std::string_view wanted = trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Parsed p = parseLine(lines_[i].text);
    if (p.kind == Parsed::Section && sameText(p.name, wanted)) return i;
  }
  return npos;
}

std::size_t IniFile::sectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && parseLine(lines_[i].text).kind != Parsed::Section) ++i;
  return i;
}

std::size_t IniFile::findKey(std::size_t header, std::string_view key) const {
  const std::size_t end = sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    Parsed p = parseLine(lines_[i].text);
    if (p.kind == Parsed::Key && sameText(decodeKey(p.name), key)) return i;
  }
  return npos;
}

std::optional<std::string> IniFile::findValue(std::string_view section,
                                              std::string_view key) const {
  std::size_t header = findSection(section);
  if (header == npos) return std::nullopt;
  std::size_t line = findKey(header, key);
  if (line == npos) return std::nullopt;
  return decodeValue(parseLine(lines_[line].text).value);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  auto value = findValue(section, key);
  return value ? *value : std::string(defaultValue);
}

std::int64_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int64_t defaultValue) const {
  auto value = findValue(section, key);
  if (!value) return defaultValue;
  return parseInteger(*value).value_or(defaultValue);
}

std::vector<std::pair<std::string, std::string>> IniFile::readSectionValues(
    std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> result;
  std::size_t header = findSection(section);
  if (header == npos) return result;
  std::unordered_set<std::string> seen;
  const std::size_t end = sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    Parsed p = parseLine(lines_[i].text);
    if (p.kind != Parsed::Key) continue;
    std::string key = decodeKey(p.name);
    if (!seen.insert(lowered(key)).second) continue;
    result.emplace_back(std::move(key), decodeValue(p.value));
  }
  return result;
}

std::vector<std::string> IniFile::readSectionKeys(std::string_view section) const {
  std::vector<std::string> keys;
  for (auto& entry : readSectionValues(section)) keys.push_back(std::move(entry.first));
  return keys;
}

std::vector<std::string> IniFile::readSections() const {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  for (const Line& line : lines_) {
    Parsed p = parseLine(line.text);
    if (p.kind == Parsed::Section && seen.insert(lowered(p.name)).second)
      names.emplace_back(p.name);
  }
  return names;
}

bool IniFile::sectionExists(std::string_view section) const { return findSection(section) != npos; }

int IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  std::string_view name = trim(section);
  if (name.find_first_of("]\r\n") != npos || name.find('\0') != npos) return EINVAL;
  if (!readable_) return EIO;

  const std::string entry = encodeKey(key) + "=" + encodeValue(value);
  std::size_t header = findSection(name);
  if (header != npos) {
    std::size_t line = findKey(header, key);
    if (line != npos) {
      // Like the profile functions, only the value changes; the key keeps its spelling.
      std::string rewritten =
          std::string(parseLine(lines_[line].text).name) + "=" + encodeValue(value);
      std::string old = std::move(lines_[line].text);
      lines_[line].text = std::move(rewritten);
      int err = save();
      if (err) lines_[line].text = std::move(old);
      return err;
    }
  }

  // New lines: after the section's last non-blank line, or a new section at the file's end.
  const std::size_t oldCount = lines_.size();
  const std::string oldLastEnding = lines_.empty() ? std::string() : lines_.back().ending;
  std::size_t at;
  std::vector<Line> added;
  if (header != npos) {
    at = header + 1;
    for (std::size_t i = header + 1, end = sectionEnd(header); i < end; ++i)
      if (!trim(lines_[i].text).empty()) at = i + 1;
    added.push_back(Line{entry, newline_});
  } else {
    at = lines_.size();
    if (!lines_.empty() && !trim(lines_.back().text).empty()) added.push_back(Line{"", newline_});
    added.push_back(Line{"[" + std::string(name) + "]", newline_});
    added.push_back(Line{entry, newline_});
  }
  if (at == lines_.size() && !lines_.empty() && lines_.back().ending.empty())
    lines_.back().ending = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
  int err = save();
  if (err) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                 lines_.begin() + static_cast<std::ptrdiff_t>(at + added.size()));
    if (lines_.size() == oldCount && !lines_.empty()) lines_.back().ending = oldLastEnding;
  }
  return err;
}

int IniFile::writeInteger(std::string_view section, std::string_view key, std::int64_t value) {
  return writeString(section, key, std::to_string(value));
}

std::string IniFile::serialize() const {
  std::string out;
  if (bom_) out.append(kBom);
  for (const Line& line : lines_) {
    out += line.text;
    out += line.ending;
  }
  return out;
}

int IniFile::save() {
  int err = writeWholeFile(path_, serialize());
  if (!err) existed_ = true;
  return err;
}

std::string IniFile::encodeKey(std::string_view key) {
  bool plain = !key.empty() && key.front() != ';' && key.front() != '[' && !isBlank(key.front()) &&
               !isBlank(key.back()) && key.substr(0, kEscapeMark.size()) != kEscapeMark;
  for (char c : key)
    if (c == '=' || isControl(c)) plain = false;
  return plain ? std::string(key) : escapeBody(key);
}

std::string IniFile::decodeKey(std::string_view stored) {
  if (stored.substr(0, kEscapeMark.size()) != kEscapeMark) return std::string(stored);
  return unescapeBody(stored);
}

std::string IniFile::encodeValue(std::string_view value) {
  bool plain = value.empty() || (!isBlank(value.front()) && !isBlank(value.back()) &&
                                 value.substr(0, kEscapeMark.size()) != kEscapeMark);
  for (char c : value)
    if (c == '\r' || c == '\n' || c == '\0') plain = false;
  return plain ? std::string(value) : escapeBody(value);
}

std::string IniFile::decodeValue(std::string_view stored) { return decodeKey(stored); }

std::optional<std::int64_t> IniFile::parseInteger(std::string_view text) {
  std::string_view t = trim(text);
  bool negative = false;
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
    negative = t.front() == '-';
    t.remove_prefix(1);
  }
  int base = 10;
  if (!t.empty() && t.front() == '$') {
    base = 16;
    t.remove_prefix(1);
  } else if (t.size() >= 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    base = 16;
    t.remove_prefix(2);
  }
  if (t.empty()) return std::nullopt;
  // Accumulate as a negative number so the most negative value fits.
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  std::int64_t acc = 0;
  for (char c : t) {
    int d = base == 16 ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (d < 0) return std::nullopt;
    if (acc < (kMin + d) / base) return std::nullopt;
    acc = acc * base - d;
  }
  if (negative) return acc;
  if (acc == kMin) return std::nullopt;
  return -acc;
}

}  // namespace norvane
