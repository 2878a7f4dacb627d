#pragma once
// The commands of the page "重启删除": collect files in the list restartQueueList, drop one,
// register them all for deletion at the next system start and offer to restart at once. The queue
// lives only in the list and is never saved.
#include <QObject>

class QTreeWidget;

namespace norvane {

class MainWindow;

class RestartQueue : public QObject {
  Q_OBJECT

 public:
  explicit RestartQueue(MainWindow& form);

  // "添加文件" (also the start page's shortcut of that name): OpenDlg, then a row for the
  // chosen file.
  void addFile(QObject* sender = nullptr);
  // "取消": removes the selected row, if there is one.
  void removeSelectedFile(QObject* sender);
  // "重启删除": registers every row and asks whether to restart now; yes restarts and ends
  // the program.
  void deleteAtRestart(QObject* sender);

  QTreeWidget* restartQueueList = nullptr;

 private:
  MainWindow& form_;
};

}  // namespace norvane
