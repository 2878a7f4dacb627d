#include "gui/cleaning/restart_queue_commands.h"

#include <QTreeWidget>

#include "gui/cleaning/restart_page.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_page.h"
#include "gui/widgets/prompts.h"

namespace norvane {

RestartQueue::RestartQueue(MainWindow& form) : QObject(&form), form_(form) {
  setObjectName(QStringLiteral("RestartQueue"));
  RestartPage* page = form.startPage->restartPage;
  restartQueueList = page->restartQueueList;
  form.bindClick(page->addFileCommand, [this](QObject* s) { addFile(s); });
  form.bindClick(page->removeFileCommand, [this](QObject* s) { removeSelectedFile(s); });
  form.bindClick(page->deleteAtRestartCommand, [this](QObject* s) { deleteAtRestart(s); });
}

void RestartQueue::addFile(QObject*) {
  const QString path = form_.OpenDlgExecute();
  if (!path.isEmpty()) new QTreeWidgetItem(restartQueueList, {path});
}

void RestartQueue::removeSelectedFile(QObject*) {
  const QList<QTreeWidgetItem*> selected = restartQueueList->selectedItems();
  if (!selected.isEmpty()) delete selected.front();
}

void RestartQueue::deleteAtRestart(QObject*) {
  const int rows = restartQueueList->topLevelItemCount();
  if (rows == 0) return;
  // Each row is registered as it stands, duplicates included; a refusal is not reported.
  for (int i = 0; i < rows; ++i)
    form_.platform().restartDelete->DeleteOnRestart(
        restartQueueList->topLevelItem(i)->text(0).toStdString());
  const PromptAnswer answer = form_.prompts().messageBox(
      &form_,
      QStringLiteral("建议您关闭其他正在运行的程序，立即重新启动计算机。\r\n\r\n"
                     "您现在是否立即重新启动？"),
      QStringLiteral("提示"), PromptIcon::Question, PromptButtons::YesNo);
  if (answer != PromptAnswer::Yes) return;
  form_.platform().power->RestartComputer();
  // Closing the main window is the program's orderly end, whatever the restart request said.
  form_.close();
}

}  // namespace norvane
