#pragma once
// The commands of the page "重启删除": collect files in its list, drop one, register them all
// for deletion at the next system start and offer to restart at once. The queue lives only in
// the list and is never saved.
#include <QObject>

#include "platform/platform.h"

class QTreeWidget;
class QWidget;

namespace norvane {

class Prompts;
class RestartPage;

class RestartQueueCommands : public QObject {
  Q_OBJECT

 public:
  // `window` owns the file chooser and the question, and closes when the user restarts;
  // `prompts` must outlive the commands.
  RestartQueueCommands(RestartPage& page, Platform platform, Prompts& prompts, QWidget& window);

  // "添加文件" (also the start page's shortcut of that name): a row for the chosen file.
  void addFile();
  // "取消": removes the selected row, if there is one.
  void removeSelectedFile();
  // "重启删除": registers every row and asks whether to restart now; yes restarts and ends
  // the program.
  void deleteAtRestart();

  // The file chooser: "选择文件", "所有文件|*.*", one file. "" when the user cancels.
  QString chooseFile();

  QTreeWidget* queueList = nullptr;

 private:
  Platform platform_;
  Prompts& prompts_;
  QWidget& window_;
};

}  // namespace norvane
