#pragma once
// An information page on which the user picks scan targets: "我的电脑" (partitionList),
// "临时文件夹" (tempFolderList) or "常用文件夹" (commonFolderList), with its command labels.
#include <QWidget>

class QTreeWidget;

namespace norvane {

class ActionLabel;
class ImageList;

class ScanTargetPage : public QWidget {
  Q_OBJECT

 public:
  static ScanTargetPage* createPartitionPage(const ImageList& images, QWidget* parent);
  static ScanTargetPage* createTempFolderPage(const ImageList& images, QWidget* parent);
  static ScanTargetPage* createCommonFolderPage(const ImageList& images, QWidget* parent);

  // Object names carry the page's subject: partitionList, scanPartitionsCommand,
  // partitionSettingsCommand, partitionFileTypesCommand, partitionBackCommand; likewise
  // tempFolder... and commonFolder..., and addFolderCommand on the common-folder page only.
  QTreeWidget* targetList = nullptr;
  ActionLabel* scanCommand = nullptr;       // "开始扫描"
  ActionLabel* settingsCommand = nullptr;   // "设置"
  ActionLabel* fileTypesCommand = nullptr;  // "文件类型"
  ActionLabel* backCommand = nullptr;       // "返回"
  ActionLabel* addFolderCommand = nullptr;  // "增加文件夹"

 private:
  struct Names {
    const char* page;
    const char* caption;
    const char* start;
    const char* settings;
    const char* fileTypes;
    const char* back;
    const char* addFolder;
  };
  ScanTargetPage(const ImageList& images, const Names& names, QWidget* parent);
  static ScanTargetPage* createFolderPage(const ImageList& images, const Names& names,
                                          const char* listName, QWidget* parent);
};

}  // namespace norvane
