#pragma once
// The folder of a path as the update keeps folders: up to and including the last "/"
// ("/opt/n/a.txt" -> "/opt/n/"), or "" for a name without one. The search engine's folderPart
// also ends a folder at a drive's ":", which a path here never has.
#include <string>
#include <string_view>

namespace norvane {

inline std::string folderOf(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

}  // namespace norvane
