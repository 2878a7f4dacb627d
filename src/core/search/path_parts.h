#pragma once
// How the engine splits paths. The folder part runs to the last "/" (or the ":" of a drive
// such as "C:"), the name part is the rest; the extension is the name's text from its last
// "." on. The drive part is "X:" or the "//server/share" head of a path, else empty.
#include <string>
#include <string_view>

namespace norvane {

std::string_view folderPart(std::string_view path);
std::string_view namePart(std::string_view path);
std::string_view extensionPart(std::string_view path);
// The name part without its extension.
std::string_view basePart(std::string_view path);
std::string_view drivePart(std::string_view path);

// Appends the folder separator unless `path` is empty or already ends in one (or in the ":" of
// a bare drive).
std::string AddBackslash(std::string path);

// Makes `path` absolute against `currentDirectory` and resolves "." and ".." without looking
// at the file system (so links are never followed). "" stays "".
std::string fullPathName(std::string_view path, std::string_view currentDirectory);

}  // namespace norvane
