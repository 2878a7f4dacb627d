#include "gui/cleaning/restart_queue_commands.h"

#include <QTreeWidget>
#include <string>
#include <vector>

#include "core/cleaning/restart_queue.h"
#include "gui/cleaning/restart_page.h"
#include "gui/widgets/prompts.h"

namespace norvane {

RestartQueueCommands::RestartQueueCommands(RestartPage& page, Platform platform, Prompts& prompts,
                                           QWidget& window)
    : QObject(&window),
      queueList(page.restartQueueList),
      platform_(std::move(platform)),
      prompts_(prompts),
      window_(window) {
  setObjectName(QStringLiteral("restartQueueCommands"));
}

QString RestartQueueCommands::chooseFile() {
  const QStringList files = prompts_.openFiles(&window_, QStringLiteral("选择文件"),
                                               QStringLiteral("所有文件|*.*"), false);
  return files.isEmpty() ? QString() : files.front();
}

void RestartQueueCommands::addFile() {
  const QString path = chooseFile();
  if (!path.isEmpty()) new QTreeWidgetItem(queueList, {path});
}

void RestartQueueCommands::removeSelectedFile() {
  const QList<QTreeWidgetItem*> selected = queueList->selectedItems();
  if (!selected.isEmpty()) delete selected.front();
}

void RestartQueueCommands::deleteAtRestart() {
  std::vector<std::string> files;
  for (int i = 0; i < queueList->topLevelItemCount(); ++i)
    files.push_back(queueList->topLevelItem(i)->text(0).toStdString());
  const auto confirmRestart = [this] {
    return prompts_.messageBox(&window_,
                               QStringLiteral("建议您关闭其他正在运行的程序，立即重新启动计算机。"
                                              "\r\n\r\n您现在是否立即重新启动？"),
                               QStringLiteral("提示"), PromptIcon::Question,
                               PromptButtons::YesNo) == PromptAnswer::Yes;
  };
  if (!deleteQueuedFilesAtRestart(files, *platform_.restartDelete, *platform_.power,
                                  confirmRestart))
    return;
  // Closing the main window is the program's orderly end.
  window_.close();
}

}  // namespace norvane
