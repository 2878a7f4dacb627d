#include "gui/widgets/error_report.h"

#include <QWidget>

#include "gui/widgets/skin.h"

namespace norvane {

QString errorReportText(const QString& message) {
  if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
  return message;
}

ErrorReport::ErrorReport(std::shared_ptr<Prompts> prompts, QWidget* owner)
    : prompts_(std::move(prompts)), owner_(owner) {}

void ErrorReport::show(const QString& message) {
  prompts_->messageBox(owner_.data(), errorReportText(message), kApplicationTitle,
                       PromptIcon::Error, PromptButtons::Ok);
}

void ErrorReport::showSafely(const QString& message) noexcept {
  // A failing report must not take the program down with it.
  try {
    show(message);
  } catch (...) {
  }
}

}  // namespace norvane
