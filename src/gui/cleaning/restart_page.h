#pragma once
// The information page "重启删除": the queue of files to delete at the next system start.
#include <QWidget>

class QTreeWidget;

namespace norvane {

class ActionLabel;
class ImageList;

class RestartPage : public QWidget {
  Q_OBJECT

 public:
  explicit RestartPage(const ImageList& images, QWidget* parent = nullptr);

  QTreeWidget* restartQueueList = nullptr;
  ActionLabel* addFileCommand = nullptr;          // "添加文件"
  ActionLabel* removeFileCommand = nullptr;       // "取消"
  ActionLabel* deleteAtRestartCommand = nullptr;  // "重启删除"
  ActionLabel* restartBackCommand = nullptr;      // "返回"
};

}  // namespace norvane
