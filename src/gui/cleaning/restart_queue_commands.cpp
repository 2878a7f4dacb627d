#include "gui/cleaning/restart_queue_commands.h"

#include <QTreeWidget>

#include "gui/shell/main_window.h"
#include "gui/widgets/prompts.h"
#include "gui/shell/start_page.h"
#include "gui/cleaning/restart_page.h"

namespace norvane {

RestartQueue::RestartQueue(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName(QStringLiteral("RestartQueue"));
  RestartPage* page = form.startPage->restartPage;
  ReStar = page->ReStar;
  form.bindClick(page->ActLabel21, [this](QObject* s) { ActLabel21Click(s); });
  form.bindClick(page->ActLabel22, [this](QObject* s) { ActLabel22Click(s); });
  form.bindClick(page->ActLabel20, [this](QObject* s) { ActLabel20Click(s); });
}

void RestartQueue::ActLabel21Click(QObject*) {
  const QString path = form_.OpenDlgExecute();
  if (!path.isEmpty()) new QTreeWidgetItem(ReStar, {path});
}

void RestartQueue::ActLabel22Click(QObject*) {
  const QList<QTreeWidgetItem*> selected = ReStar->selectedItems();
  if (!selected.isEmpty()) delete selected.front();
}

void RestartQueue::ActLabel20Click(QObject*) {
  const int rows = ReStar->topLevelItemCount();
  if (rows == 0) return;
  // Each row is registered as it stands, duplicates included; a refusal is not reported.
  for (int i = 0; i < rows; ++i)
    form_.platform().restartDelete->DeleteOnRestart(ReStar->topLevelItem(i)->text(0).toStdString());
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
