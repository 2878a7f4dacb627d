#include "core/search/path_parts.h"

#include <vector>

#include "core/search/search_types.h"

namespace norvane {

namespace {

bool isDelimiter(std::string_view path, std::size_t i) {
  return path[i] == kPathDelimiter || (i == 1 && path[1] == ':');
}

// Index just past the last delimiter, or 0.
std::size_t nameStart(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (isDelimiter(path, i - 1)) return i;
  }
  return 0;
}

std::size_t extensionStart(std::string_view path) {
  std::size_t start = nameStart(path);
  std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < start) return path.size();
  return dot;
}

}  // namespace

std::string_view folderPart(std::string_view path) { return path.substr(0, nameStart(path)); }

std::string_view namePart(std::string_view path) { return path.substr(nameStart(path)); }

std::string_view extensionPart(std::string_view path) { return path.substr(extensionStart(path)); }

std::string_view basePart(std::string_view path) {
  std::size_t start = nameStart(path);
  return path.substr(start, extensionStart(path) - start);
}

std::string_view drivePart(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  if (path.size() >= 2 && path[0] == kPathDelimiter && path[1] == kPathDelimiter) {
    std::size_t serverEnd = path.find(kPathDelimiter, 2);
    if (serverEnd == std::string_view::npos) return path;
    std::size_t shareEnd = path.find(kPathDelimiter, serverEnd + 1);
    return shareEnd == std::string_view::npos ? path : path.substr(0, shareEnd);
  }
  return {};
}

std::string AddBackslash(std::string path) {
  if (path.empty()) return path;
  char last = path.back();
  if (last == kPathDelimiter || (path.size() == 2 && last == ':')) return path;
  path.push_back(kPathDelimiter);
  return path;
}

std::string fullPathName(std::string_view path, std::string_view currentDirectory) {
  if (path.empty()) return {};
  std::string joined;
  if (path[0] != kPathDelimiter) {
    joined.assign(currentDirectory);
    joined.push_back(kPathDelimiter);
  }
  joined.append(path);
  const bool trailing = joined.back() == kPathDelimiter;

  std::vector<std::string_view> parts;
  std::string_view rest(joined);
  while (!rest.empty()) {
    std::size_t cut = rest.find(kPathDelimiter);
    std::string_view part = rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string result;
  for (std::string_view part : parts) {
    result.push_back(kPathDelimiter);
    result.append(part);
  }
  if (result.empty() || (trailing && !parts.empty())) result.push_back(kPathDelimiter);
  return result;
}

}  // namespace norvane
