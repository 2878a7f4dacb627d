#pragma once
// The own size of a symbolic link: the length of the path it holds.
#include <cstdint>
#include <string>

namespace norvane {

// What lstat gives as the size of the link at `path` (the link itself, never its target);
// -1 when it can't be read or is not a link.
std::int64_t symbolicLinkSize(const std::string& path);

}  // namespace norvane
