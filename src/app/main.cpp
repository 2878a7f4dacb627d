// Program entry: no command-line arguments are interpreted. Creates the main window and runs
// the message loop until it closes.
#include <QApplication>
#include <memory>

#include "app/main_form.h"
#include "app/qt_prompts.h"
#include "app/skin.h"
#include "cleaning/cleaning_settings.h"
#include "cleaning/form4.h"
#include "platform/platform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(norvane::kApplicationTitle);
  norvane::QtPrompts::installTranslations(app);
  norvane::Skin::applyApplicationLook(app);

  auto prompts = std::make_shared<norvane::QtPrompts>();
  norvane::TMainForm mainForm(norvane::makeHostPlatform(), prompts);
  // The settings dialog lives for the whole run; creating it loads "Setup.ini" beside the
  // program.
  auto* form4 = new norvane::TForm4(
      norvane::settingsPath(QCoreApplication::applicationDirPath().toStdString()), prompts,
      &mainForm);
  mainForm.hooks().showSettings = [form4](int page) { form4->showModalOnPage(page); };
  mainForm.show();
  return app.exec();
}
