#pragma once
// Paths the kernel hands out in a caller's buffer: where a link points and the working folder.
// Each read grows its buffer until the whole path fits.
#include <string>

namespace norvane {

// The target of the symbolic link at `path` (e.g. "/proc/self/exe"); empty when unreadable.
std::string linkTarget(const std::string& path);

// The process's working folder; empty when it can't be had (e.g. it was removed).
std::string workingFolder();

}  // namespace norvane
