#pragma once
// The engine's own wildcard rules, used by exclusion patterns. Name masks ignore case; folder
// tails of patterns compare byte for byte, as Linux names are case-sensitive.
#include <string_view>

namespace norvane {

// "*" ends the test with success at once, "?" matches one byte or nothing at the end, other
// bytes compare after ASCII lower-casing.
bool WildcardMatch(std::string_view text, std::string_view mask);

// Base against base and extension against extension; a mask without an extension ignores the
// name's extension, and a name without one counts as having ".".
bool FileNameMatches(std::string_view name, std::string_view mask);

// Does a pattern's drive part accept a folder's drive part.
bool DriveMatches(std::string_view folderDrive, std::string_view patternDrive);

// Does one exclusion pattern match the file `name` lying directly in `folder` (which ends in
// the separator).
bool ExcludeItemMatches(std::string_view folder, std::string_view name, std::string_view pattern);

}  // namespace norvane
