#pragma once
// The three target lists of the information area ("我的电脑", "临时文件夹", "常用文件夹"):
// rebuilt with every row checked each time their page is entered, and "增加文件夹". Installs
// itself as the main window's page refresh and partition-list filler unless those hooks are
// already set.
#include <QObject>

class QTreeWidget;

namespace norvane {

class MainWindow;

class ScanTargets : public QObject {
  Q_OBJECT

 public:
  explicit ScanTargets(MainWindow& form);

  // Clears `list` and adds one checked row per fixed partition, its drive number as item data
  // (Qt::UserRole of column 0).
  void fillPartitionList(QTreeWidget* list);
  void rebuildTempFolderList();
  void rebuildCommonFolderList();
  // What entering information page `page` refreshes (pages 1 to 3; others nothing).
  void refreshPage(int page);

  // "增加文件夹": asks for a folder and a description and appends them as a checked row.
  void addFolder(QObject* sender);

  QTreeWidget* partitionList = nullptr;
  QTreeWidget* tempFolderList = nullptr;
  QTreeWidget* commonFolderList = nullptr;

 private:
  void appendFolderRow(QTreeWidget* list, const QString& folder, const QString& description);

  MainWindow& form_;
};

}  // namespace norvane
