#pragma once
// Folder tokens that the destination paths of an update may begin with ("%Temp%/x/a.dat").
#include <string>
#include <string_view>

#include "platform/shell_folders.h"

namespace norvane {

// Where the tokens lead besides the shell's folders.
struct TokenFolders {
  ShellFolders& shellFolders;
  std::string appDir;            // the program's own folder, for %App%
  std::string currentDirectory;  // relative paths are made absolute against it
};

// The 25 tokens of the update format and the added "App", in the order they are tried.
struct PathToken {
  const char* name;
  int csidl;  // -1, -2, -3: Windows, System and Temp folder; -4: the program's folder
};
inline constexpr int kTokenCount = 26;
extern const PathToken kPathTokens[kTokenCount];

// A backslash separates folders as "/" does. When the path begins with a token of the table
// (without regard to case), every occurrence of that token is replaced by its folder without a
// trailing separator; an unknown folder counts as "". The result is made absolute against the
// current folder with "." and ".." resolved, links not followed.
std::string ExpandPathTokens(std::string_view path, const TokenFolders& folders);

}  // namespace norvane
