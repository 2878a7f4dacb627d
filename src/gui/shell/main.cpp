// Program entry: no command-line arguments are interpreted. Creates the main window and runs
// the message loop until it closes.
#include <QApplication>
#include <memory>

#include "core/cleaning/cleaning_settings.h"
#include "gui/cleaning/cleaning_settings_dialog.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/cleaning/junk_scan.h"
#include "gui/cleaning/restart_queue_commands.h"
#include "gui/shell/main_window.h"
#include "gui/widgets/qt_prompts.h"
#include "gui/widgets/skin.h"
#include "platform/platform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(norvane::kApplicationTitle);
  norvane::QtPrompts::installTranslations(app);
  norvane::Skin::applyApplicationLook(app);

  auto prompts = std::make_shared<norvane::QtPrompts>();
  norvane::MainWindow mainForm(norvane::makeHostPlatform(), prompts);
  // The scan and the deletion read the settings dialog's controls each time they run.
  norvane::CleaningSettingsDialog* settingsDialog = nullptr;
  const auto currentSettings = [&settingsDialog] {
    return settingsDialog != nullptr ? settingsDialog->currentSettings()
                                     : norvane::defaultCleaningSettings();
  };
  // The file-list dialog, hidden until a scan offers it, and the junk scan that fills it.
  auto* fileList =
      new norvane::FileListDialog(mainForm.platform().fileOps, mainForm.platform().restartDelete,
                                  prompts, currentSettings, &mainForm);
  auto* junkScan = new norvane::JunkScan(mainForm, *fileList, currentSettings);
  junkScan->setAddRestartFile([&mainForm] { mainForm.restartQueue->addFile(); });
  // The settings dialog lives for the whole run; creating it loads "Setup.ini" beside the
  // program.
  settingsDialog = new norvane::CleaningSettingsDialog(
      norvane::settingsPath(QCoreApplication::applicationDirPath().toStdString()), prompts,
      &mainForm);
  mainForm.hooks().showSettings = [settingsDialog](int page) {
    settingsDialog->showModalOnPage(page);
  };
  mainForm.show();
  return app.exec();
}
