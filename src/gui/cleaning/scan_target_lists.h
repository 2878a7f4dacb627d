#pragma once
// The three target lists of the information area ("我的电脑", "临时文件夹", "常用文件夹"):
// rebuilt with every row checked each time their page is entered, what the user checked in
// them, and "增加文件夹".
#include <QObject>
#include <string>
#include <vector>

#include "platform/platform.h"

class QTreeWidget;
class QWidget;

namespace norvane {

class ImageList;
class Prompts;
class ScanTargetPage;

class ScanTargetLists : public QObject {
  Q_OBJECT

 public:
  // `prompts` and `images` must outlive the lists; `dialogOwner` owns the add dialog.
  ScanTargetLists(ScanTargetPage& partitions, ScanTargetPage& tempFolders,
                  ScanTargetPage& commonFolders, Platform platform, Prompts& prompts,
                  const ImageList& images, QWidget* dialogOwner);

  // Clears `list` and adds one checked row per fixed partition, its drive number as item data
  // (Qt::UserRole of column 0).
  void fillPartitionList(QTreeWidget* list);
  void rebuildTempFolderList();
  void rebuildCommonFolderList();

  // "增加文件夹": asks for a folder and a description and appends them as a checked row.
  void addFolder();

  // The checked rows as scan targets: the partitions' root paths, the folders' captions.
  std::vector<std::string> checkedPartitionRoots() const;
  std::vector<std::string> checkedTempFolders() const;
  std::vector<std::string> checkedCommonFolders() const;

  QTreeWidget* partitionList = nullptr;
  QTreeWidget* tempFolderList = nullptr;
  QTreeWidget* commonFolderList = nullptr;

 private:
  void appendFolderRow(QTreeWidget* list, const QString& folder, const QString& description);

  Platform platform_;
  Prompts& prompts_;
  const ImageList& images_;
  QWidget* dialogOwner_;
};

}  // namespace norvane
