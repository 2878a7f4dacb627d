#pragma once
// The "key=value" lines of the update information and of the journal: the key is the text
// before the first "=" (the whole line when there is none), the value the text after it.
#include <string_view>

namespace norvane {

struct KeyValueLine {
  std::string_view key;
  std::string_view value;
};

inline KeyValueLine splitKeyValueLine(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return {line, {}};
  return {line.substr(0, equals), line.substr(equals + 1)};
}

}  // namespace norvane
