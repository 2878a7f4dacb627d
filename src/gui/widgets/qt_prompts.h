#pragma once
// Prompts shown with the toolkit's own message boxes and file dialogs.
#include "gui/widgets/prompts.h"

class QApplication;

namespace norvane {

class QtPrompts : public Prompts {
 public:
  PromptAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                          PromptIcon icon, PromptButtons buttons) override;
  QStringList openFiles(QWidget* owner, const QString& title, const QString& filter,
                        bool multiSelect) override;
  QString chooseFolder(QWidget* owner, const QString& title) override;

  // The toolkit's own dialogs (button texts, file dialogs) in Chinese, like the rest.
  static void installTranslations(QApplication& app);

  // "所有文件|*.*" -> "所有文件 (*)". "*.*" means every file, dotless names too.
  static QString toQtFilter(const QString& filter);
};

}  // namespace norvane
