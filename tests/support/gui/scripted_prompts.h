#pragma once
// Prompts answered from a script: each question takes the next queued answer and every prompt
// is recorded, so a test can check what the user was asked.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "gui/widgets/prompts.h"

namespace norvane::test {

struct AskedPrompt {
  enum class Kind { MessageBox, OpenFiles, ChooseFolder };
  Kind kind = Kind::MessageBox;
  QWidget* owner = nullptr;
  QString text;     // message text, or the filter of a file dialog
  QString caption;  // caption, or the title of a dialog
  PromptIcon icon = PromptIcon::None;
  PromptButtons buttons = PromptButtons::Ok;
  bool multiSelect = false;
};

class ScriptedPrompts : public Prompts {
 public:
  // Queued answers, taken in order. A message box with only OK needs none; any other prompt
  // without a queued answer is answered No/Cancel (or nothing chosen) and counted.
  void answer(PromptAnswer answer) { answers_.push_back(answer); }
  void chooseFiles(QStringList files) { files_.push_back(std::move(files)); }
  void chooseFolder(QString folder) { folders_.push_back(std::move(folder)); }

  PromptAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                          PromptIcon icon, PromptButtons buttons) override;
  QStringList openFiles(QWidget* owner, const QString& title, const QString& filter,
                        bool multiSelect) override;
  QString chooseFolder(QWidget* owner, const QString& title) override;

  const std::vector<AskedPrompt>& asked() const { return asked_; }
  const AskedPrompt& last() const { return asked_.back(); }
  int unscripted() const { return unscripted_; }
  bool allAnswersUsed() const { return answers_.empty() && files_.empty() && folders_.empty(); }
  void clear() { asked_.clear(); }

 private:
  std::deque<PromptAnswer> answers_;
  std::deque<QStringList> files_;
  std::deque<QString> folders_;
  std::vector<AskedPrompt> asked_;
  int unscripted_ = 0;
};

}  // namespace norvane::test
