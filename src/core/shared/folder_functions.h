#pragma once
// Well-known folders as the scan targets and the scan's exclusion list name them. Each returns
// "" when the system can't name the folder.
#include <string>

#include "platform/shell_folders.h"

namespace norvane {

// The system folder the cleaner treats as "Windows" (/usr on Linux).
std::string WindowsFolderPath(ShellFolders& folders);
// The user's temporary folder in its long form, without a trailing separator (the root
// folder stays "/").
std::string LongTempFolderPath(ShellFolders& folders);
// The program-files folder (/opt on Linux).
std::string ProgramFilesPath(ShellFolders& folders);
// The path of a special folder given by its CSIDL number.
std::string ShellFolderPath(ShellFolders& folders, int csidl);

}  // namespace norvane
