// Program entry: no command-line arguments are interpreted. Creates the main window and runs
// the message loop until it closes.
#include <QApplication>
#include <memory>

#include "app/main_form.h"
#include "app/qt_prompts.h"
#include "app/skin.h"
#include "platform/platform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(norvane::kApplicationTitle);
  norvane::QtPrompts::installTranslations(app);
  norvane::Skin::applyApplicationLook(app);

  auto prompts = std::make_shared<norvane::QtPrompts>();
  norvane::TMainForm mainForm(norvane::makeHostPlatform(), prompts);
  mainForm.show();
  return app.exec();
}
