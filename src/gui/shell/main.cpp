// Program entry: no command-line arguments are interpreted. Creates the main window and runs
// the message loop until it closes.
#include <QApplication>
#include <memory>

#include "gui/shell/main_window.h"
#include "gui/widgets/qt_prompts.h"
#include "gui/widgets/skin.h"
#include "core/cleaning/cleaning_settings.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/cleaning/cleaning_settings_dialog.h"
#include "gui/cleaning/junk_scan.h"
#include "gui/cleaning/restart_queue_commands.h"
#include "platform/platform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(norvane::kApplicationTitle);
  norvane::QtPrompts::installTranslations(app);
  norvane::Skin::applyApplicationLook(app);

  auto prompts = std::make_shared<norvane::QtPrompts>();
  norvane::TMainForm mainForm(norvane::makeHostPlatform(), prompts);
  // The scan and the deletion read the settings dialog's controls each time they run.
  norvane::TForm4* form4 = nullptr;
  const auto currentSettings = [&form4] {
    return form4 != nullptr ? form4->currentSettings() : norvane::defaultCleaningSettings();
  };
  // The file-list dialog, hidden until a scan offers it, and the junk scan that fills it.
  auto* form3 = new norvane::TForm3(mainForm.platform().fileOps, mainForm.platform().restartDelete,
                                    prompts, currentSettings, &mainForm);
  auto* junkScan = new norvane::JunkScan(mainForm, *form3, currentSettings);
  junkScan->setAddRestartFile([&mainForm] { mainForm.restartQueue->ActLabel21Click(); });
  // The settings dialog lives for the whole run; creating it loads "Setup.ini" beside the
  // program.
  form4 = new norvane::TForm4(
      norvane::settingsPath(QCoreApplication::applicationDirPath().toStdString()), prompts,
      &mainForm);
  mainForm.hooks().showSettings = [form4](int page) { form4->showModalOnPage(page); };
  mainForm.show();
  return app.exec();
}
