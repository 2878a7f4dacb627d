#pragma once
// The file-list dialog "文件列表": the files the last scan found, and their deletion. Created
// once at start, shown modeless; closing it only hides it.
#include <cstdint>
#include <functional>
#include <memory>

#include "core/cleaning/cleaning_settings.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/error_report.h"
#include "gui/widgets/image_list.h"
#include "platform/file_ops.h"
#include "platform/restart_delete.h"

class QProgressBar;
class QTreeView;

namespace norvane {

class ActionLabel;
class FoundFileModel;
class Prompts;

class FileListDialog : public DialogFrame {
  Q_OBJECT

 public:
  // `settings` gives the settings dialog's state at the moment of the call.
  FileListDialog(std::shared_ptr<FileOps> fileOps, std::shared_ptr<RestartDelete> restartDelete,
                 std::shared_ptr<Prompts> prompts, std::function<CleaningSettings()> settings,
                 QWidget* parent = nullptr);

  FoundFileModel& model() { return *model_; }

  // Handlers.
  void deleteCheckedFiles(QObject* sender);  // delete the checked files
  void deleteAllFiles(QObject* sender);      // delete every listed file
  void checkAllRows(QObject* sender);        // check every row
  void invertRowChecks(QObject* sender);     // invert every check
  void highlightCommand(QObject* sender);
  void unhighlightCommand(QObject* sender);

  QTreeView* fileTable = nullptr;
  QProgressBar* deletionProgress = nullptr;
  ActionLabel* deleteCheckedCommand = nullptr;
  ActionLabel* deleteAllCommand = nullptr;
  ActionLabel* checkAllCommand = nullptr;
  ActionLabel* invertChecksCommand = nullptr;

  std::int64_t freedBytes = 0;
  std::int64_t currentFileBytes = 0;

 private:
  ActionLabel* commandLabel(const char* name, const QString& caption, int icon, int x);
  void bindCommand(ActionLabel* label, void (FileListDialog::*handler)(QObject*));
  void deleteFiles(bool all);

  std::shared_ptr<FileOps> fileOps_;
  std::shared_ptr<RestartDelete> restartDelete_;
  std::shared_ptr<Prompts> prompts_;
  std::function<CleaningSettings()> settings_;
  ErrorReport errorReport_;
  ImageList images_;
  FoundFileModel* model_ = nullptr;
  bool deleting_ = false;
};

}  // namespace norvane
