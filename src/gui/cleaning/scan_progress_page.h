#pragma once
// The information page "扫描结果": progress and outcome of a junk scan.
#include <QWidget>

class QLabel;

namespace norvane {

class ActionLabel;
class ImageList;
class SearchAnimation;

class ScanProgressPage : public QWidget {
  Q_OBJECT

 public:
  explicit ScanProgressPage(const ImageList& images, QWidget* parent = nullptr);

  SearchAnimation* searchAnimation = nullptr;
  QLabel* scanStatusLabel = nullptr;           // status line, 441 pixels wide
  ActionLabel* scannedFoldersLabel = nullptr;  // folders counter
  ActionLabel* foundFilesLabel = nullptr;      // files counter
  ActionLabel* foundSizeLabel = nullptr;       // total size
  ActionLabel* stopScanCommand = nullptr;      // "停止扫描"
  ActionLabel* openFileListCommand = nullptr;  // "打开文件列表"
  ActionLabel* scanBackCommand = nullptr;      // "返回"
};

}  // namespace norvane
