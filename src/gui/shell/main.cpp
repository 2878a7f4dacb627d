// Program entry: no command-line arguments are interpreted. Creates the main window with its
// dialogs and runs the message loop until it closes.
#include <QApplication>
#include <memory>

#include "core/cleaning/cleaning_settings.h"
#include "gui/cleaning/cleaning_settings_dialog.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/update/update_command.h"
#include "gui/update/web_site_opener.h"
#include "gui/widgets/qt_event_loop.h"
#include "gui/widgets/qt_prompts.h"
#include "gui/widgets/skin.h"
#include "platform/platform.h"

int main(int argc, char* argv[]) {
  using namespace norvane;
  // An update the companion left half-done is finished or undone before anything else runs.
  finishPendingUpdateAtStart();
  QApplication app(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QtPrompts::installTranslations(app);
  Skin::applyApplicationLook(app);

  auto prompts = std::make_shared<QtPrompts>();
  MainWindow mainWindow(makeHostPlatform(), prompts);
  // The scan and the deletion read the settings dialog's controls each time they run.
  CleaningSettingsDialog* settingsDialog = nullptr;
  const auto currentSettings = [&settingsDialog] {
    return settingsDialog != nullptr ? settingsDialog->currentSettings()
                                     : defaultCleaningSettings();
  };
  // The file-list dialog, hidden until a scan offers it, and the junk scan that fills it.
  auto* fileList =
      new FileListDialog(mainWindow.platform().fileOps, mainWindow.platform().restartDelete,
                         prompts, currentSettings, &mainWindow);
  mainWindow.createJunkScan(*fileList, currentSettings);
  // The settings dialog lives for the whole run; creating it loads "Setup.ini" beside the
  // program.
  settingsDialog = new CleaningSettingsDialog(
      settingsPath(QCoreApplication::applicationDirPath().toStdString()), prompts, &mainWindow);
  QObject::connect(&mainWindow, &MainWindow::settingsRequested, settingsDialog,
                   &CleaningSettingsDialog::showModalOnPage);
  // "在线更新": the update window, modally; the link opens the maker's site after it closes.
  QtEventLoop updateEvents;
  DesktopWebSiteOpener webSite;
  QObject::connect(&mainWindow, &MainWindow::updateRequested, &mainWindow, [&] {
    showUpdateWindow(&mainWindow, mainWindow.platform(), updateEvents, webSite);
  });
  mainWindow.show();
  return app.exec();
}
