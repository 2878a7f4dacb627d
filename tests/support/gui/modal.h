#pragma once
// Acting on a modal dialog from a test: the action runs once the dialog's own loop is up.
#include <QApplication>
#include <QTimer>
#include <functional>

namespace norvane::test {

template <typename Dialog>
void whenModal(std::function<void(Dialog*)> action) {
  QTimer::singleShot(0, [action = std::move(action)] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog != nullptr) {
      action(dialog);
    } else if (QWidget* other = QApplication::activeModalWidget()) {
      other->close();  // not the dialog expected: end it so the test fails instead of hanging
    }
  });
}

}  // namespace norvane::test
