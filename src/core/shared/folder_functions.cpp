#include "core/shared/folder_functions.h"

namespace norvane {

std::string WindowsFolderPath(ShellFolders& folders) { return folders.windowsFolder(); }

std::string LongTempFolderPath(ShellFolders& folders) {
  std::string path = folders.tempFolder();
  // One separator goes; the root itself must not become "".
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  // Linux has no short names: the long form is the path itself.
  return path;
}

std::string ProgramFilesPath(ShellFolders& folders) { return folders.programFilesDir(); }

std::string ShellFolderPath(ShellFolders& folders, int csidl) {
  return folders.specialFolder(csidl);
}

}  // namespace norvane
