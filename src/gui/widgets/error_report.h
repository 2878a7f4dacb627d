#pragma once
// The general error report: a failure that escapes a command handler ends that command only
// and is shown in one message box (application title, error icon, OK).
#include <QPointer>
#include <QString>
#include <exception>
#include <memory>
#include <utility>

#include "gui/widgets/prompts.h"

class QWidget;

namespace norvane {

// The error's text as the report shows it: a "." is added when the last character sorts
// after "." (so "失败" and "abc" get one, "abc." and "abc!" do not).
QString errorReportText(const QString& message);

class ErrorReport {
 public:
  ErrorReport(std::shared_ptr<Prompts> prompts, QWidget* owner);

  // Shows the report for `message`.
  void show(const QString& message);

  // Runs `command`, reporting whatever it throws. Never throws itself.
  template <typename Command>
  void guard(Command&& command) noexcept {
    try {
      std::forward<Command>(command)();
    } catch (const std::exception& e) {
      showSafely(QString::fromUtf8(e.what()));
    } catch (...) {
      showSafely(QStringLiteral("Unknown exception"));
    }
  }

 private:
  void showSafely(const QString& message) noexcept;

  std::shared_ptr<Prompts> prompts_;
  QPointer<QWidget> owner_;
};

}  // namespace norvane
