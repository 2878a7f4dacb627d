#pragma once
// The file-list dialog "文件列表": the files the last scan found, and their deletion. Created
// once at start, shown modeless; closing it only hides it.
#include <cstdint>
#include <functional>
#include <memory>

#include "gui/shell/error_report.h"
#include "gui/shell/dialog_frame.h"
#include "gui/widgets/image_list.h"
#include "core/cleaning/cleaning_settings.h"
#include "platform/file_ops.h"
#include "platform/restart_delete.h"

class QProgressBar;
class QTreeView;

namespace norvane {

class ActionLabel;
class FoundFileModel;
class Prompts;

class TForm3 : public TForm2 {
  Q_OBJECT

 public:
  // `settings` gives the settings dialog's state at the moment of the call.
  TForm3(std::shared_ptr<FileOps> fileOps, std::shared_ptr<RestartDelete> restartDelete,
         std::shared_ptr<Prompts> prompts, std::function<CleaningSettings()> settings,
         QWidget* parent = nullptr);

  FoundFileModel& model() { return *model_; }

  // Handlers.
  void ActLabel23Click(QObject* sender);  // delete the checked files
  void ActLabel1Click(QObject* sender);   // delete every listed file
  void ActLabel2Click(QObject* sender);   // check every row
  void ActLabel3Click(QObject* sender);   // invert every check
  void ActLabel23MouseEnter(QObject* sender);
  void ActLabel23MouseLeave(QObject* sender);

  QTreeView* FileList = nullptr;
  QProgressBar* ProgressBar = nullptr;
  ActionLabel* ActLabel23 = nullptr;
  ActionLabel* ActLabel1 = nullptr;
  ActionLabel* ActLabel2 = nullptr;
  ActionLabel* ActLabel3 = nullptr;

  std::int64_t FreedSize = 0;
  std::int64_t CurrentFileSize = 0;

 private:
  ActionLabel* commandLabel(const char* name, const QString& caption, int icon, int x);
  void bindCommand(ActionLabel* label, void (TForm3::*handler)(QObject*));
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
