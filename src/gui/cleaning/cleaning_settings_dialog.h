#pragma once
// The settings dialog "清理设置": the eight cleaning options and the junk file types. Created
// once at start-up, it lives for the whole run and its controls are the live settings: the
// scan and the deletion read them through currentSettings() each time they run. "Setup.ini"
// only makes them survive a restart.
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "core/cleaning/cleaning_settings.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/error_report.h"
#include "gui/widgets/image_list.h"

class QCheckBox;
class QStackedWidget;
class QTabBar;
class QTreeWidget;

namespace norvane {

class ActionLabel;
class Prompts;

class CleaningSettingsDialog : public DialogFrame {
  Q_OBJECT

 public:
  // Notebook pages (and tabs).
  enum Page { kOptionsPage = 0, kFileTypePage = 1 };

  // `settingsFile` is the full path of "Setup.ini"; creating the dialog loads it.
  CleaningSettingsDialog(std::string settingsFile, std::shared_ptr<Prompts> prompts,
                         QWidget* parent = nullptr);

  const std::string& settingsFile() const { return settingsFile_; }

  // The options and file types on display right now, with the rows' check states.
  CleaningSettings currentSettings() const;

  // Shows the dialog modally on a page, then closes it (the "设置" and "文件类型" commands).
  void showModalOnPage(int page);

  void loadAtStart();
  void loadSettings();
  void saveSettings();
  void showSelectedTab(QObject* sender);
  void saveAndClose(QObject* sender);     // "保存设置"
  void restoreDefaults(QObject* sender);  // "默认设置"
  void addFileType(QObject* sender);      // "增加新类型"
  void highlightCommand(QObject* sender);
  void unhighlightCommand(QObject* sender);

  QTabBar* settingsTabs = nullptr;
  QStackedWidget* settingsPages = nullptr;
  std::array<QCheckBox*, kOptionCount> optionBoxes{};  // in the order of cleaningOptions()
  QTreeWidget* fileTypeList = nullptr;
  ActionLabel* saveCommand = nullptr;
  ActionLabel* defaultsCommand = nullptr;
  ActionLabel* addTypeCommand = nullptr;

 private:
  void buildOptionsPage();
  void buildFileTypePage();
  ActionLabel* commandLabel(const char* name, const QString& caption, int icon, QWidget* parent,
                            QPoint at);
  void showSettings(const CleaningSettings& settings);
  void appendFileType(const FileType& type);

  std::string settingsFile_;
  std::shared_ptr<Prompts> prompts_;
  ErrorReport errorReport_;
  ImageList images_;
};

}  // namespace norvane
