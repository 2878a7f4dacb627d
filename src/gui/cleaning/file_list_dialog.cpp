#include "gui/cleaning/file_list_dialog.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <cerrno>

#include "gui/widgets/action_label.h"
#include "gui/widgets/page_commands.h"
#include "gui/widgets/prompts.h"
#include "core/shared/size_text.h"
#include "gui/cleaning/found_file_model.h"
#include "core/shared/time_slice.h"
#include "platform/errors.h"

namespace norvane {

namespace {

constexpr int kClientWidth = 675;
constexpr int kClientHeight = 529;
constexpr int kCommandY = 500;
constexpr int kCheckedRunMaximum = 100;
constexpr int kOptichk8 = 7;

}  // namespace

TForm3::TForm3(std::shared_ptr<FileOps> fileOps, std::shared_ptr<RestartDelete> restartDelete,
               std::shared_ptr<Prompts> prompts, std::function<CleaningSettings()> settings,
               QWidget* parent)
    : TForm2(parent),
      fileOps_(std::move(fileOps)),
      restartDelete_(std::move(restartDelete)),
      prompts_(std::move(prompts)),
      settings_(std::move(settings)),
      errorReport_(prompts_, this) {
  setObjectName(QStringLiteral("Form3"));
  // Modeless and living for the whole run, yet never what keeps the program alive once the
  // main window has closed.
  setModal(false);
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(kClientWidth, kClientHeight);
  FrmCaption->setText(QStringLiteral("文件列表"));
  ToolButton1->move(kClientWidth - 23, 8);
  Image2->setPixmap(images_.pixmap(11, 24));

  model_ = new FoundFileModel(this);
  FileList = new QTreeView(this);
  FileList->setObjectName(QStringLiteral("FileList"));
  FileList->setGeometry(10, 40, kClientWidth - 20, 446);
  FileList->setModel(model_);
  FileList->setRootIsDecorated(false);
  FileList->setItemsExpandable(false);
  FileList->setUniformRowHeights(true);
  FileList->setAllColumnsShowFocus(true);
  FileList->setSelectionBehavior(QAbstractItemView::SelectRows);
  FileList->setSelectionMode(QAbstractItemView::SingleSelection);
  FileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FileList->setSortingEnabled(false);
  FileList->header()->setSectionsClickable(false);
  FileList->header()->setSectionsMovable(false);
  FileList->header()->setStretchLastSection(false);
  // The time column is 120 px for 宋体; a wider fallback font would cut the time off, so it
  // grows to fit a full date and time and the location column gives up what it takes.
  const int timeWidth = std::max(
      120, FileList->fontMetrics().horizontalAdvance(QStringLiteral("2088/12/28 23:59:59")) + 14);
  const int widths[FoundFileModel::kColumnCount] = {100, 320 - (timeWidth - 120), 80, timeWidth};
  for (int c = 0; c < FoundFileModel::kColumnCount; ++c)
    FileList->header()->resizeSection(c, widths[c]);
  // The selection stays visible when the list has no focus.
  QPalette pal = FileList->palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
  FileList->setPalette(pal);

  ActLabel2 = commandLabel("ActLabel2", QStringLiteral("全部选定"), 31, 12);
  ActLabel3 = commandLabel("ActLabel3", QStringLiteral("反向选择"), 5, 104);
  ActLabel23 = commandLabel("ActLabel23", QStringLiteral("删除选定文件"), 14, 462);
  ActLabel1 = commandLabel("ActLabel1", QStringLiteral("全部删除"), 17, 578);

  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  ProgressBar->setGeometry(200, kCommandY + 1, 240, 14);
  ProgressBar->setTextVisible(false);
  ProgressBar->hide();

  bindCommand(ActLabel23, &TForm3::ActLabel23Click);
  bindCommand(ActLabel1, &TForm3::ActLabel1Click);
  bindCommand(ActLabel2, &TForm3::ActLabel2Click);
  bindCommand(ActLabel3, &TForm3::ActLabel3Click);
  for (ActionLabel* label : {ActLabel23, ActLabel1, ActLabel2, ActLabel3}) {
    connect(label, &ActionLabel::mouseEntered, this, [this, label] { ActLabel23MouseEnter(label); });
    connect(label, &ActionLabel::mouseLeft, this, [this, label] { ActLabel23MouseLeave(label); });
  }
}

ActionLabel* TForm3::commandLabel(const char* name, const QString& caption, int icon, int x) {
  return createCommandLabel(this, images_, QString::fromLatin1(name), caption, icon,
                            QPoint(x, kCommandY));
}

void TForm3::bindCommand(ActionLabel* label, void (TForm3::*handler)(QObject*)) {
  connect(label, &ActionLabel::clicked, this,
          [this, label, handler] { errorReport_.guard([&] { (this->*handler)(label); }); });
}

void TForm3::ActLabel23Click(QObject*) { deleteFiles(false); }

void TForm3::ActLabel1Click(QObject*) { deleteFiles(true); }

void TForm3::ActLabel2Click(QObject*) { model_->checkAll(); }

void TForm3::ActLabel3Click(QObject*) { model_->invertChecks(); }

void TForm3::ActLabel23MouseEnter(QObject* sender) { setLabelLook(sender, true); }

void TForm3::ActLabel23MouseLeave(QObject* sender) { setLabelLook(sender, false); }

void TForm3::deleteFiles(bool all) {
  // A click that arrives while a run lets the interface breathe would walk the same rows
  // again underneath the first run.
  if (deleting_) return;
  deleting_ = true;
  struct RunEnd {
    TForm3* form;
    ~RunEnd() {
      form->ProgressBar->hide();
      form->deleting_ = false;
    }
  } runEnd{this};

  using Status = FoundFileModel::Status;
  const bool restartDelete = settings_ ? settings_().options[kOptichk8] : false;
  model_->publishPending();
  const int count = model_->size();
  ProgressBar->setRange(0, all ? count : kCheckedRunMaximum);
  ProgressBar->setValue(0);
  ProgressBar->show();
  FreedSize = 0;
  CurrentFileSize = 0;

  const std::uint64_t generation = model_->generation();
  TimeSlice slice;
  for (int row = 0; row < count; ++row) {
    if (slice.due()) {
      QCoreApplication::processEvents();
      // A scan started meanwhile has emptied the list: these rows are gone.
      if (model_->generation() != generation) break;
    }
    const std::string path = model_->path(row);
    if (!fileOps_->fileExists(path)) {
      model_->setStatus(row, Status::Missing);
      continue;
    }
    if (!all && !model_->isChecked(row)) continue;

    std::int64_t size = 0;
    const int sizeError = fileOps_->fileSize(path, size);
    if (sizeError == ENOENT || sizeError == ENOTDIR) {
      // Gone since the presence test: a missing file for this row, not the end of the run.
      model_->setStatus(row, Status::Missing);
      continue;
    }
    if (sizeError != 0) raiseOSError(sizeError);
    CurrentFileSize = size;

    const DeleteOutcome outcome = fileOps_->deleteFile(path);
    if (outcome.deleted()) {
      FreedSize += CurrentFileSize;
      model_->setStatus(row, Status::Deleted);
    } else if (outcome.status == DeleteStatus::NotFound ||
               outcome.status == DeleteStatus::IsDirectory) {
      // Gone, or replaced by a folder, since the presence test: nothing is there to delete
      // now or at the next start.
      model_->setStatus(row, Status::Missing);
    } else if (restartDelete) {
      // A refused registration is a failure, not a file that will go at the next start.
      model_->setStatus(row, restartDelete_->DeleteOnRestart(path) ? Status::RestartDelete
                                                                   : Status::Failed);
    } else {
      model_->setStatus(row, Status::Failed);
    }
    ProgressBar->setValue(std::min(ProgressBar->value() + 1, ProgressBar->maximum()));
  }
  model_->publishPending();
  ProgressBar->hide();

  const QString freed = QString::fromStdString(ConFileSize(FreedSize));
  prompts_->messageBox(this, QStringLiteral("文件清理完成，共释放%1磁盘空间。").arg(freed),
                       QStringLiteral("提示"), PromptIcon::Information, PromptButtons::Ok);
}

}  // namespace norvane
