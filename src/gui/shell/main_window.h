#pragma once
// The main window: the borderless skinned frame with its caption line, drag strip and window
// buttons, the four function buttons and their pages, the bottom links and the memory-trim
// timer. The pages are their own widgets; this class creates them and the commands behind
// them, owns the second search component (the folder statistics'; the junk scan owns the
// first), wires the pages' labels and runs every command handler under the general error
// report. What lies outside the window (the settings dialog, the update
// window) is asked for by signal.
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/cleaning/cleaning_settings.h"
#include "core/search/find_file.h"
#include "gui/shell/desktop_services.h"
#include "gui/widgets/error_report.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/qt_event_loop.h"
#include "platform/platform.h"

class QLabel;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace norvane {

class AboutPage;
class ActionLabel;
class DiskPanel;
class DragStrip;
class FileListDialog;
class FolderStatistics;
class JunkScan;
class Prompts;
class RestartQueueCommands;
class ScanTargetLists;
class StartPage;
class StatsPage;
class UninstallCommands;
class UninstallPage;

class MainWindow : public QWidget {
  Q_OBJECT

  // Declared before the search that keeps a pointer to it.
  QtEventLoop folderSearchLoop_;

 public:
  // Function pages by index.
  enum FunctionPage { kFilePage = 0, kStatsPage, kUninstallPage, kAboutPage };

  MainWindow(Platform platform, std::shared_ptr<Prompts> prompts, DesktopServices desktop = {},
             QWidget* parent = nullptr);

  // Creates the junk scan over the target lists and the progress page, filling `fileList`,
  // and binds its commands. `settings` gives the cleaning settings at the moment of the call.
  // Called once.
  JunkScan& createJunkScan(FileListDialog& fileList, std::function<CleaningSettings()> settings);

  const Platform& platform() const { return platform_; }
  Prompts& prompts() { return *prompts_; }

  // Runs a command under the general error report: a failure ends the command only.
  void runCommand(const std::function<void()>& command) { errorReport_.guard(command); }
  // Binds `handler` to the label's click, under the error report.
  void bindClick(ActionLabel* label, std::function<void(QObject* sender)> handler);

  // Object names of the pages' command labels.
  static const QStringList& pageCommandNames();

  // Handlers.
  void finishStartUp();
  void showFunctionPage(QObject* sender);
  void highlightFunctionButton(QObject* sender);
  void unhighlightFunctionButton(QObject* sender);
  void functionPageChanged(QObject* sender);
  void infoPageChanged(QObject* sender);
  void openInfoPage(QObject* sender);
  void runStartCommand(QObject* sender);
  void showDiskInfo(QObject* sender);
  void openOptionSettings(QObject* sender);
  void openFileTypeSettings(QObject* sender);
  void highlightPageCommand(QObject* sender);
  void unhighlightPageCommand(QObject* sender);
  void highlightLink(QObject* sender);
  void unhighlightLink(QObject* sender);
  void startWindowMove(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                       QPoint pos);
  void closeWindow(QObject* sender);
  void minimiseWindow(QObject* sender);
  void trimMemory(QObject* sender);
  void openUpdateWindow(QObject* sender);
  void emptyRecycleBinAndReport(QObject* sender);

  // The disk and recycle-bin panel.
  void showDiskSpace();
  void showRecycleBin();

  ImageList imageList;

  QLabel* backgroundImage = nullptr;
  DragStrip* dragStrip = nullptr;
  QLabel* captionIcon = nullptr;
  QLabel* captionLabel = nullptr;
  QToolButton* minimiseButton = nullptr;
  QToolButton* closeButton = nullptr;
  ActionLabel* fileCleaningButton = nullptr;
  ActionLabel* folderStatsButton = nullptr;
  ActionLabel* uninstallButton = nullptr;
  ActionLabel* aboutButton = nullptr;
  ActionLabel* functionCaption = nullptr;
  QStackedWidget* functionPages = nullptr;
  QLabel* copyrightLabel = nullptr;
  ActionLabel* onlineUpdateLink = nullptr;
  ActionLabel* makerSiteLink = nullptr;
  QTimer* memoryTrimTimer = nullptr;

  StartPage* startPage = nullptr;
  StatsPage* statsPage = nullptr;
  UninstallPage* uninstallPage = nullptr;
  AboutPage* aboutPage = nullptr;
  // Shortcuts into the start page.
  QStackedWidget* infoPages = nullptr;
  QLabel* infoPageHeading = nullptr;
  QLabel* descriptionLabel = nullptr;
  DiskPanel* diskPanel = nullptr;
  // Commands of the target lists and of the restart queue, and the junk scan (null until
  // created).
  ScanTargetLists* scanTargetLists = nullptr;
  RestartQueueCommands* restartQueueCommands = nullptr;
  JunkScan* junkScan = nullptr;
  // The second search component and the folder statistics that count with it.
  FindFile folderSearch;
  FolderStatistics* folderStatistics = nullptr;
  // The list and commands behind the page "软件卸载".
  UninstallCommands* uninstallCommands = nullptr;

 signals:
  // "设置" (options page) or "文件类型" (file-type page) of a target page.
  void settingsRequested(int page);
  // "在线更新".
  void updateRequested();

 private:
  void buildFrame();
  void buildPages();
  ActionLabel* functionButton(const char* name, const QString& caption, int tag, int icon, int x);
  ActionLabel* bottomLink(const char* name, const QString& caption, int icon, int x);
  void wireHandlers();
  void bindHover(const QString& name, void (MainWindow::*enter)(QObject*),
                 void (MainWindow::*leave)(QObject*));
  void openLink(const QString& target);
  ActionLabel* label(const QString& name) const;

  Platform platform_;
  std::shared_ptr<Prompts> prompts_;
  DesktopServices desktop_;
  ErrorReport errorReport_;
};

}  // namespace norvane
