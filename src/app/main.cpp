// Program entry: no command-line arguments are interpreted. Creates the main window and runs
// the message loop until it closes.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "app/main_form.h"
#include "app/qt_prompts.h"
#include "app/skin.h"
#include "platform/platform.h"

namespace {

// The toolkit's own dialogs (message box buttons, file dialogs) speak Chinese like the rest.
void installToolkitTranslations(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(norvane::kApplicationTitle);
  installToolkitTranslations(app);
  norvane::Skin::applyApplicationLook(app);

  auto prompts = std::make_shared<norvane::QtPrompts>();
  norvane::TMainForm mainForm(norvane::makeHostPlatform(), prompts);
  mainForm.show();
  return app.exec();
}
