#pragma once
// Well-known folders of the system and the user.
#include <string>

namespace norvane {

// Special-folder numbers, as the shell numbers them.
enum Csidl : int {
  CSIDL_DESKTOP = 0x0000,
  CSIDL_PROGRAMS = 0x0002,
  CSIDL_PERSONAL = 0x0005,
  CSIDL_FAVORITES = 0x0006,
  CSIDL_STARTUP = 0x0007,
  CSIDL_RECENT = 0x0008,
  CSIDL_SENDTO = 0x0009,
  CSIDL_STARTMENU = 0x000B,
  CSIDL_DESKTOPDIRECTORY = 0x0010,
  CSIDL_NETHOOD = 0x0013,
  CSIDL_FONTS = 0x0014,
  CSIDL_TEMPLATES = 0x0015,
  CSIDL_COMMON_STARTMENU = 0x0016,
  CSIDL_COMMON_PROGRAMS = 0x0017,
  CSIDL_COMMON_STARTUP = 0x0018,
  CSIDL_COMMON_DESKTOPDIRECTORY = 0x0019,
  CSIDL_APPDATA = 0x001A,
  CSIDL_PRINTHOOD = 0x001B,
  CSIDL_INTERNET_CACHE = 0x0020,
  CSIDL_COOKIES = 0x0021,
  CSIDL_HISTORY = 0x0022,
};

class ShellFolders {
 public:
  virtual ~ShellFolders() = default;
  virtual std::string windowsFolder() = 0;
  virtual std::string systemFolder() = 0;
  virtual std::string tempFolder() = 0;
  // "" when the folder has no counterpart on this system.
  virtual std::string specialFolder(int csidl) = 0;
  // The "ProgramFilesDir" value; "" when unknown.
  virtual std::string programFilesDir() = 0;
};

}  // namespace norvane
