#include "gui/cleaning/file_list_dialog.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

#include "core/cleaning/found_file_deletion.h"
#include "core/cleaning/found_file_store.h"
#include "core/shared/time_slice.h"
#include "gui/cleaning/found_file_model.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/page_commands.h"
#include "gui/widgets/prompts.h"

namespace norvane {

namespace {

constexpr int kClientWidth = 675;
constexpr int kClientHeight = 529;
constexpr int kCommandY = 500;
constexpr int kCheckedRunMaximum = 100;

}  // namespace

FileListDialog::FileListDialog(std::shared_ptr<FileOps> fileOps,
                               std::shared_ptr<RestartDelete> restartDelete,
                               std::shared_ptr<Prompts> prompts,
                               std::function<CleaningSettings()> settings, QWidget* parent)
    : DialogFrame(parent),
      fileOps_(std::move(fileOps)),
      restartDelete_(std::move(restartDelete)),
      prompts_(std::move(prompts)),
      settings_(std::move(settings)),
      errorReport_(prompts_, this) {
  setObjectName(QStringLiteral("FileListDialog"));
  // Modeless and living for the whole run, yet never what keeps the program alive once the
  // main window has closed.
  setModal(false);
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(kClientWidth, kClientHeight);
  captionLabel->setText(QStringLiteral("文件列表"));
  closeButton->move(kClientWidth - 23, 8);
  captionIcon->setPixmap(images_.pixmap(11, 24));

  model_ = new FoundFileModel(this);
  fileTable = new QTreeView(this);
  fileTable->setObjectName(QStringLiteral("fileTable"));
  fileTable->setGeometry(10, 40, kClientWidth - 20, 446);
  fileTable->setModel(model_);
  fileTable->setRootIsDecorated(false);
  fileTable->setItemsExpandable(false);
  fileTable->setUniformRowHeights(true);
  fileTable->setAllColumnsShowFocus(true);
  fileTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  fileTable->setSelectionMode(QAbstractItemView::SingleSelection);
  fileTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fileTable->setSortingEnabled(false);
  fileTable->header()->setSectionsClickable(false);
  fileTable->header()->setSectionsMovable(false);
  fileTable->header()->setStretchLastSection(false);
  // The time column is 120 px for 宋体; a wider fallback font would cut the time off, so it
  // grows to fit a full date and time and the location column gives up what it takes.
  const int timeWidth = std::max(
      120, fileTable->fontMetrics().horizontalAdvance(QStringLiteral("2088/12/28 23:59:59")) + 14);
  const int widths[FoundFileModel::kColumnCount] = {100, 320 - (timeWidth - 120), 80, timeWidth};
  for (int c = 0; c < FoundFileModel::kColumnCount; ++c)
    fileTable->header()->resizeSection(c, widths[c]);
  // The selection stays visible when the list has no focus.
  QPalette pal = fileTable->palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
  fileTable->setPalette(pal);

  checkAllCommand = commandLabel("checkAllCommand", QStringLiteral("全部选定"), 31, 12);
  invertChecksCommand = commandLabel("invertChecksCommand", QStringLiteral("反向选择"), 5, 104);
  deleteCheckedCommand =
      commandLabel("deleteCheckedCommand", QStringLiteral("删除选定文件"), 14, 462);
  deleteAllCommand = commandLabel("deleteAllCommand", QStringLiteral("全部删除"), 17, 578);

  deletionProgress = new QProgressBar(this);
  deletionProgress->setObjectName(QStringLiteral("deletionProgress"));
  deletionProgress->setGeometry(200, kCommandY + 1, 240, 14);
  deletionProgress->setTextVisible(false);
  deletionProgress->hide();

  bindCommand(deleteCheckedCommand, &FileListDialog::deleteCheckedFiles);
  bindCommand(deleteAllCommand, &FileListDialog::deleteAllFiles);
  bindCommand(checkAllCommand, &FileListDialog::checkAllRows);
  bindCommand(invertChecksCommand, &FileListDialog::invertRowChecks);
  for (ActionLabel* label :
       {deleteCheckedCommand, deleteAllCommand, checkAllCommand, invertChecksCommand}) {
    connect(label, &ActionLabel::mouseEntered, this, [this, label] { highlightCommand(label); });
    connect(label, &ActionLabel::mouseLeft, this, [this, label] { unhighlightCommand(label); });
  }
}

ActionLabel* FileListDialog::commandLabel(const char* name, const QString& caption, int icon,
                                          int x) {
  return createCommandLabel(this, images_, QString::fromLatin1(name), caption, icon,
                            QPoint(x, kCommandY));
}

void FileListDialog::bindCommand(ActionLabel* label, void (FileListDialog::*handler)(QObject*)) {
  connect(label, &ActionLabel::clicked, this,
          [this, label, handler] { errorReport_.guard([&] { (this->*handler)(label); }); });
}

void FileListDialog::deleteCheckedFiles(QObject*) { deleteFiles(false); }

void FileListDialog::deleteAllFiles(QObject*) { deleteFiles(true); }

void FileListDialog::checkAllRows(QObject*) { model_->checkAll(); }

void FileListDialog::invertRowChecks(QObject*) { model_->invertChecks(); }

void FileListDialog::highlightCommand(QObject* sender) { setLabelLook(sender, true); }

void FileListDialog::unhighlightCommand(QObject* sender) { setLabelLook(sender, false); }

void FileListDialog::deleteFiles(bool all) {
  // A click that arrives while a run lets the interface breathe would walk the same rows
  // again underneath the first run.
  if (deleting_) return;
  deleting_ = true;
  struct RunEnd {
    FileListDialog* form;
    ~RunEnd() {
      form->deletionProgress->hide();
      form->deleting_ = false;
    }
  } runEnd{this};

  using Status = FoundFileModel::Status;
  const bool deleteAtRestart = settings_ ? settings_().options.deleteAtRestart : false;
  model_->publishPending();
  const int count = model_->size();
  deletionProgress->setRange(0, all ? count : kCheckedRunMaximum);
  deletionProgress->setValue(0);
  deletionProgress->show();
  freedBytes = 0;
  currentFileBytes = 0;

  const std::uint64_t generation = model_->generation();
  TimeSlice slice;
  for (int row = 0; row < count; ++row) {
    if (slice.due()) {
      QCoreApplication::processEvents();
      // A scan started meanwhile has emptied the list: these rows are gone.
      if (model_->generation() != generation) break;
    }
    const ScannedFile file = model_->scannedFile(row);
    if (!all && !model_->isChecked(row)) {
      // Left alone, but still marked when it is gone.
      if (!fileOps_->fileExists(file)) model_->setStatus(row, Status::Missing);
      continue;
    }
    const FoundFileDeletion deletion =
        deleteFoundFile(*fileOps_, *restartDelete_, file, deleteAtRestart);
    model_->setStatus(row, deletion.status);
    if (!deletion.attempted) continue;
    currentFileBytes = deletion.fileBytes;
    freedBytes += deletion.freedBytes;
    deletionProgress->setValue(
        std::min(deletionProgress->value() + 1, deletionProgress->maximum()));
  }
  model_->publishPending();
  deletionProgress->hide();

  prompts_->messageBox(this, QString::fromStdString(cleaningDoneText(freedBytes)),
                       QStringLiteral("提示"), PromptIcon::Information, PromptButtons::Ok);
}

}  // namespace norvane
