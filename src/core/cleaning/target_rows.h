#pragma once
// What the three target lists hold: the fixed rows of "临时文件夹" and "常用文件夹" and one row
// per fixed partition for "我的电脑" (and the folder statistics' partition list).
#include <string>
#include <vector>

#include "platform/shell_folders.h"
#include "platform/volumes.h"

namespace norvane {

struct FolderRow {
  std::string folder;  // the row's caption; "" when the system can't name the folder
  std::string description;
};

struct PartitionRow {
  std::string caption;  // "(" + root path + ")" + volume label
  std::string total;    // "总大小:" + size text
  std::string free;     // "可用空间:" + size text
  int driveNumber = 0;  // 1 for A .. 26 for Z
};

std::vector<FolderRow> tempFolderRows(ShellFolders& folders);
std::vector<FolderRow> commonFolderRows(ShellFolders& folders);
// One row per fixed drive, in letter order.
std::vector<PartitionRow> partitionRows(Volumes& volumes);

}  // namespace norvane
