#include "core/cleaning/target_rows.h"

#include "core/shared/drive_helpers.h"
#include "core/shared/folder_functions.h"
#include "core/shared/size_text.h"

namespace norvane {

std::vector<FolderRow> tempFolderRows(ShellFolders& folders) {
  const std::string windows = WindowsFolderPath(folders);
  return {
      {LongTempFolderPath(folders), "临时文件夹"},
      {ShellFolderPath(folders, CSIDL_INTERNET_CACHE), "IE临时文件夹"},
      {ShellFolderPath(folders, CSIDL_COOKIES), "IE Cookies"},
      // Without a system folder the row stays empty rather than naming "/Prefetch" at the root.
      {windows.empty() ? std::string() : windows + "/Prefetch", "预存取文件夹"},
  };
}

std::vector<FolderRow> commonFolderRows(ShellFolders& folders) {
  return {
      {WindowsFolderPath(folders), "Windows文件夹"},
      {ProgramFilesPath(folders), "应用程序文件夹"},
      {ShellFolderPath(folders, CSIDL_PERSONAL), "我的文档"},
      {ShellFolderPath(folders, CSIDL_APPDATA), "应用数据文件夹"},
  };
}

std::vector<PartitionRow> partitionRows(Volumes& volumes) {
  std::vector<std::string> roots;
  GetFixedDrives(volumes, &roots);
  std::vector<PartitionRow> rows;
  rows.reserve(roots.size());
  for (const std::string& root : roots) {
    // A Linux root path has no letter in it: ask which drive it is.
    const char letter = RootPathDriveLetter(volumes, root);
    rows.push_back({"(" + root + ")" + DriveVolumeLabel(volumes, letter),
                    "总大小:" + ConFileSize(DriveSize(volumes, letter)),
                    "可用空间:" + ConFileSize(DriveFree(volumes, letter)), DriveNumber(letter)});
  }
  return rows;
}

}  // namespace norvane
