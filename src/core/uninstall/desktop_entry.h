#pragma once
// The "[Desktop Entry]" group of a desktop entry file (the freedesktop.org desktop entry
// format): its keys in file order, values with their escapes decoded.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvane {

class DesktopEntry {
 public:
  using Key = std::pair<std::string, std::string>;

  // Reads the group from a file's text; other groups, comments and lines that are no
  // "key=value" are skipped. A key given twice keeps its first value.
  static DesktopEntry parse(std::string_view text);

  const std::vector<Key>& keys() const { return keys_; }
  // The value of `key` (exact, with any "[locale]"), "" when it is missing.
  std::string value(std::string_view key) const;
  bool has(std::string_view key) const;
  // A boolean key: "true" (or "1") is true, anything else false.
  bool flag(std::string_view key) const;

  // The name the list shows: Name[zh_CN], else Name[zh], else Name, the first that is not
  // empty. None for an entry that menus never show: Hidden, NoDisplay, or not an application.
  std::string displayName() const;

 private:
  std::vector<Key> keys_;
};

}  // namespace norvane
