#include "core/update/path_tokens.h"

#include <algorithm>
#include <cctype>

#include "core/shared/folder_functions.h"
#include "core/search/path_parts.h"

namespace norvane {

const PathToken kPathTokens[kTokenCount] = {
    {"Windows", -1},
    {"System", -2},
    {"Temp", -3},
    {"Desktop", CSIDL_DESKTOP},
    {"Programs", CSIDL_PROGRAMS},
    {"Personal", CSIDL_PERSONAL},
    {"Favorites", CSIDL_FAVORITES},
    {"Startup", CSIDL_STARTUP},
    {"Recent", CSIDL_RECENT},
    {"SendTo", CSIDL_SENDTO},
    {"StartMenu", CSIDL_STARTMENU},
    {"DesktopDirectory", CSIDL_DESKTOPDIRECTORY},
    {"NetHood", CSIDL_NETHOOD},
    {"Fonts", CSIDL_FONTS},
    {"Templates", CSIDL_TEMPLATES},
    {"Common_StartMenu", CSIDL_COMMON_STARTMENU},
    {"Common_Programs", CSIDL_COMMON_PROGRAMS},
    {"Common_Startup", CSIDL_COMMON_STARTUP},
    {"Common_DesktopDirectory", CSIDL_COMMON_DESKTOPDIRECTORY},
    {"AppData", CSIDL_APPDATA},
    {"PrintHood", CSIDL_PRINTHOOD},
    {"Common_Favorites", 0x001F},
    {"Internet_Cache", CSIDL_INTERNET_CACHE},
    {"Cookies", CSIDL_COOKIES},
    {"History", CSIDL_HISTORY},
    {"App", -4},
};

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return lower(a) == lower(b); });
}

std::string folderOf(const PathToken& token, const TokenFolders& folders) {
  switch (token.csidl) {
    case -1:
      return WindowsFolderPath(folders.shellFolders);
    case -2:
      return folders.shellFolders.systemFolder();
    case -3:
      return LongTempFolderPath(folders.shellFolders);
    case -4:
      return folders.appDir;
    default:
      return ShellFolderPath(folders.shellFolders, token.csidl);
  }
}

std::string replaceAllNoCase(std::string_view text, std::string_view what, std::string_view with) {
  std::string result;
  std::size_t i = 0;
  while (i < text.size()) {
    if (startsWithNoCase(text.substr(i), what)) {
      result.append(with);
      i += what.size();
    } else {
      result.push_back(text[i++]);
    }
  }
  return result;
}

}  // namespace

std::string ExpandPathTokens(std::string_view path, const TokenFolders& folders) {
  std::string result(path);
  std::replace(result.begin(), result.end(), '\\', '/');
  if (result.size() > 1 && result[0] == '%' && result.find('%', 1) != std::string::npos) {
    for (const PathToken& token : kPathTokens) {
      const std::string spelled = std::string("%") + token.name + "%";
      if (!startsWithNoCase(result, spelled)) continue;
      std::string folder = folderOf(token, folders);
      if (!folder.empty() && folder.back() == '/') folder.pop_back();
      result = replaceAllNoCase(result, spelled, folder);
      break;
    }
  }
  return fullPathName(result, folders.currentDirectory);
}

}  // namespace norvane
