#pragma once
// The main window: the borderless skinned frame with its caption line, drag strip and window
// buttons, the four function buttons and their pages, the bottom links and the memory-trim
// timer. The pages are their own widgets; this class creates them, wires their labels and
// runs every command handler under the general error report.
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "gui/shell/error_report.h"
#include "gui/widgets/image_list.h"
#include "gui/shell/main_window_hooks.h"
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
class Prompts;
class RestartQueue;
class ScanTargets;
class StartPage;
class StatsPage;
class UninstallPage;

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // Function pages by index.
  enum FunctionPage { kFilePage = 0, kStatsPage, kUninstallPage, kAboutPage };

  TMainForm(Platform platform, std::shared_ptr<Prompts> prompts, MainFormHooks hooks = {},
            QWidget* parent = nullptr);

  MainFormHooks& hooks() { return hooks_; }
  const Platform& platform() const { return platform_; }
  Prompts& prompts() { return *prompts_; }

  // Runs a command under the general error report: a failure ends the command only.
  void runCommand(const std::function<void()>& command) { errorReport_.guard(command); }
  // Binds `handler` to the label's click, under the error report.
  void bindClick(ActionLabel* label, std::function<void(QObject* sender)> handler);

  static QString ConFileSize(std::int64_t bytes);

  // OpenDlg: "选择文件", "所有文件|*.*", one file. "" when the user cancels.
  QString OpenDlgExecute();

  // Handlers.
  void FormCreate();
  void FileBtnClick(QObject* sender);
  void FileBtnMouseEnter(QObject* sender);
  void FileBtnMouseLeave(QObject* sender);
  void PageNotePageChanged(QObject* sender);
  void InfoNotePageChanged(QObject* sender);
  void ActLabel2Click(QObject* sender);
  void ActLabel7Click(QObject* sender);
  void ActLabel9Click(QObject* sender);
  void ActLabel8Click(QObject* sender);
  void ActLabel2MouseEnter(QObject* sender);
  void ActLabel2MouseLeave(QObject* sender);
  void ActLabel42MouseEnter(QObject* sender);
  void ActLabel42MouseLeave(QObject* sender);
  void Label1MouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                       QPoint pos);
  void ToolButton1Click(QObject* sender);
  void ToolButton2Click(QObject* sender);
  void Timer1Timer(QObject* sender);
  void ActLabel39Click(QObject* sender);
  void Label12Click(QObject* sender);
  void ActLabel23Click(QObject* sender);

  // The disk and recycle-bin panel.
  void ShowDiskSpace();
  void ShowRecyclebin();

  ImageList ImgBtnPng;

  QLabel* Image1 = nullptr;
  DragStrip* Label1 = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* FrmCaption = nullptr;
  QToolButton* ToolButton2 = nullptr;
  QToolButton* ToolButton1 = nullptr;
  ActionLabel* FileBtn = nullptr;
  ActionLabel* RegBtn = nullptr;
  ActionLabel* SoftBtn = nullptr;
  ActionLabel* ActLabel6 = nullptr;
  ActionLabel* HintLbl = nullptr;
  QStackedWidget* PageNote = nullptr;
  QLabel* Label3 = nullptr;
  ActionLabel* ActLabel39 = nullptr;
  ActionLabel* ActLabel40 = nullptr;
  QTimer* Timer1 = nullptr;

  StartPage* startPage = nullptr;
  StatsPage* statsPage = nullptr;
  UninstallPage* uninstallPage = nullptr;
  AboutPage* aboutPage = nullptr;
  // Shortcuts into the start page.
  QStackedWidget* InfoNote = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label7 = nullptr;
  DiskPanel* diskPanel = nullptr;
  // Commands of the target lists and of the restart queue.
  ScanTargets* scanTargets = nullptr;
  RestartQueue* restartQueue = nullptr;

 private:
  void buildFrame();
  void buildPages();
  ActionLabel* functionButton(const char* name, const QString& caption, int tag, int icon, int x);
  ActionLabel* bottomLink(const char* name, const QString& caption, int icon, int x);
  void wireHandlers();
  void bindHover(const QString& name, void (TMainForm::*enter)(QObject*),
                 void (TMainForm::*leave)(QObject*));
  void openLink(const QString& target);
  ActionLabel* label(const QString& name) const;

  Platform platform_;
  std::shared_ptr<Prompts> prompts_;
  MainFormHooks hooks_;
  ErrorReport errorReport_;
};

}  // namespace norvane
