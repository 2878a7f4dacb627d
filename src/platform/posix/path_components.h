#pragma once
// The names along an absolute path, for walks that open one folder at a time from "/" without
// following links.
#include <string>
#include <vector>

namespace norvane {

// "/a//b/c" -> {"a", "b", "c"}; empty components are dropped.
inline std::vector<std::string> pathComponents(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start < path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace norvane
