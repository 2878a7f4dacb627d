#pragma once
// An information page on which the user picks scan targets: "我的电脑" (HDList),
// "临时文件夹" (TempFolder) or "常用文件夹" (DailyList), with its command labels.
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

  QTreeWidget* list = nullptr;
  ActionLabel* startLabel = nullptr;      // "开始扫描": ActLabel10 / 14 / 15
  ActionLabel* settingsLabel = nullptr;   // "设置": ActLabel9 / 11 / 16
  ActionLabel* fileTypesLabel = nullptr;  // "文件类型": ActLabel8 / 12 / 17
  ActionLabel* backLabel = nullptr;       // "返回": ActLabel7 / 13 / 18
  ActionLabel* addFolderLabel = nullptr;  // "增加文件夹": ActLabel19, common folders only

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
