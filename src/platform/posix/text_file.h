#pragma once
// Small whole-file reads that never throw (iostreams do for a folder).
#include <optional>
#include <string>

namespace norvane {

// The file's bytes; nullopt when it can't be opened or read (missing, a folder, no rights).
std::optional<std::string> readTextFile(const std::string& path);

}  // namespace norvane
