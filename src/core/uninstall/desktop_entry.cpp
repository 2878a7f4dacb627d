#include "core/uninstall/desktop_entry.h"

#include <unordered_set>

namespace norvane {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// \s \n \t \r \\ of a string value; other escapes (such as "\;" in lists) stay as they are.
std::string unescape(std::string_view v) {
  std::string out;
  out.reserve(v.size());
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] != '\\' || i + 1 == v.size()) {
      out += v[i];
      continue;
    }
    switch (v[i + 1]) {
      case 's':
        out += ' ';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        out += v[i];
        continue;
    }
    ++i;
  }
  return out;
}

}  // namespace

DesktopEntry DesktopEntry::parse(std::string_view text) {
  DesktopEntry entry;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  bool inGroup = false;
  bool seenGroup = false;
  // Translated names make for hundreds of keys: find repeats without a scan each.
  std::unordered_set<std::string_view> seenKeys;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view bare = trim(line);
    if (bare.empty() || bare.front() == '#') continue;
    if (bare.front() == '[') {
      // Only the first "[Desktop Entry]" counts; a repeated one is not the group.
      inGroup = !seenGroup && bare == "[Desktop Entry]";
      seenGroup = seenGroup || inGroup;
      continue;
    }
    if (!inGroup) continue;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = trim(line.substr(0, eq));
    if (key.empty() || !seenKeys.insert(key).second) continue;
    std::string_view value = line.substr(eq + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
      value.remove_prefix(1);
    entry.keys_.emplace_back(std::string(key), unescape(value));
  }
  return entry;
}

bool DesktopEntry::has(std::string_view key) const {
  for (const auto& k : keys_)
    if (k.first == key) return true;
  return false;
}

std::string DesktopEntry::value(std::string_view key) const {
  for (const auto& k : keys_)
    if (k.first == key) return k.second;
  return {};
}

bool DesktopEntry::flag(std::string_view key) const {
  const std::string v = value(key);
  return v == "true" || v == "1";
}

std::string DesktopEntry::displayName() const {
  if (value("Type") != "Application" || flag("NoDisplay") || flag("Hidden")) return {};
  for (const char* key : {"Name[zh_CN]", "Name[zh]", "Name"}) {
    std::string name = value(key);
    if (!name.empty()) return name;
  }
  return {};
}

}  // namespace norvane
