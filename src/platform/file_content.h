#pragma once
// Whole-file reads and crash-safe whole-file writes for small text files (settings, lists).
#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

enum class ReadFileStatus { Ok, NotFound, TooLarge, Failed };

// Reads the file at `path` (following a link) into `out`; files above `maxBytes` are refused
// so an absurd file can't exhaust memory.
ReadFileStatus readWholeFile(const std::string& path, std::string& out, std::size_t maxBytes);

// Replaces the file's content: a temporary file beside it is written, flushed and renamed
// over it, so readers see the old or the new content, never a mix. A link is written through
// to its target. When the folder refuses new files but the file itself is writable, the file
// is rewritten in place instead. Returns 0 or an errno-style code.
int writeWholeFile(const std::string& path, std::string_view content);

}  // namespace norvane
