#include "support/gui/scripted_prompts.h"

namespace norvane::test {

PromptAnswer ScriptedPrompts::messageBox(QWidget* owner, const QString& text,
                                         const QString& caption, PromptIcon icon,
                                         PromptButtons buttons) {
  asked_.push_back({AskedPrompt::Kind::MessageBox, owner, text, caption, icon, buttons, false});
  if (!answers_.empty()) {
    const PromptAnswer a = answers_.front();
    answers_.pop_front();
    return a;
  }
  if (buttons == PromptButtons::Ok) return PromptAnswer::Ok;
  ++unscripted_;
  return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
}

QStringList ScriptedPrompts::openFiles(QWidget* owner, const QString& title, const QString& filter,
                                       bool multiSelect) {
  asked_.push_back({AskedPrompt::Kind::OpenFiles, owner, filter, title, PromptIcon::None,
                    PromptButtons::Ok, multiSelect});
  if (files_.empty()) {
    ++unscripted_;
    return {};
  }
  QStringList chosen = std::move(files_.front());
  files_.pop_front();
  return chosen;
}

QString ScriptedPrompts::chooseFolder(QWidget* owner, const QString& title) {
  asked_.push_back({AskedPrompt::Kind::ChooseFolder, owner, QString(), title, PromptIcon::None,
                    PromptButtons::Ok, false});
  if (folders_.empty()) {
    ++unscripted_;
    return {};
  }
  QString chosen = std::move(folders_.front());
  folders_.pop_front();
  return chosen;
}

}  // namespace norvane::test
