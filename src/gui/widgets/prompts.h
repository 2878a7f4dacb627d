#pragma once
// Every message box and file or folder dialog of the program goes through Prompts, so the
// windows can be driven by a script in tests while production shows the real dialogs.
#include <QString>
#include <QStringList>

class QWidget;

namespace norvane {

enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

class Prompts {
 public:
  virtual ~Prompts() = default;

  // A modal message box owned by `owner` (may be null); returns the button pressed. Closing
  // the box without a button counts as Cancel, or as No when there is no Cancel.
  virtual PromptAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                                  PromptIcon icon, PromptButtons buttons) = 0;

  // The file-open dialog. `filter` is written "description|patterns|description|patterns"
  // with patterns separated by ";" (for example "所有文件|*.*"). Returns the chosen files,
  // empty when cancelled; at most one unless `multiSelect`.
  virtual QStringList openFiles(QWidget* owner, const QString& title, const QString& filter,
                                bool multiSelect) = 0;

  // The folder chooser; "" when cancelled.
  virtual QString chooseFolder(QWidget* owner, const QString& title) = 0;
};

}  // namespace norvane
