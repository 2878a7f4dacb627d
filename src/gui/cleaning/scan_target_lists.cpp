#include "gui/cleaning/scan_target_lists.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "gui/widgets/action_label.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_page.h"
#include "gui/cleaning/add_entry_dialog.h"
#include "gui/widgets/labeled_edit.h"
#include "gui/cleaning/scan_target_page.h"
#include "core/cleaning/target_rows.h"

namespace norvane {

namespace {

constexpr int kFolderIcon = 6;
constexpr int kPartitionIcon = 7;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Holds off repainting while a list is rebuilt.
class UpdatesHeld {
 public:
  explicit UpdatesHeld(QWidget* w) : w_(w) { w_->setUpdatesEnabled(false); }
  ~UpdatesHeld() { w_->setUpdatesEnabled(true); }
  UpdatesHeld(const UpdatesHeld&) = delete;
  UpdatesHeld& operator=(const UpdatesHeld&) = delete;

 private:
  QWidget* w_;
};

}  // namespace

ScanTargets::ScanTargets(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName(QStringLiteral("ScanTargets"));
  StartPage* start = form.startPage;
  HDList = start->partitionPage->list;
  TempFolder = start->tempFolderPage->list;
  DailyList = start->commonFolderPage->list;

  MainFormHooks& hooks = form.hooks();
  if (!hooks.refreshInfoPage) hooks.refreshInfoPage = [this](int page) { refreshPage(page); };
  if (!hooks.fillPartitionList)
    hooks.fillPartitionList = [this](QTreeWidget* list) { FillPartitionList(list); };
  form.bindClick(start->commonFolderPage->addFolderLabel,
                 [this](QObject* sender) { ActLabel19Click(sender); });
}

void ScanTargets::refreshPage(int page) {
  switch (page) {
    case StartPage::kMyComputer:
      FillPartitionList(HDList);
      break;
    case StartPage::kTempFolders:
      rebuildTempFolder();
      break;
    case StartPage::kCommonFolders:
      rebuildDailyList();
      break;
    default:
      break;
  }
}

void ScanTargets::FillPartitionList(QTreeWidget* list) {
  if (list == nullptr) return;
  // Read the drives before the list is touched: a failure leaves the old rows.
  const std::vector<PartitionRow> rows = partitionRows(*form_.platform().volumes);
  UpdatesHeld held(list);
  list->clear();
  for (const PartitionRow& row : rows) {
    auto* item = new QTreeWidgetItem(list, {qs(row.caption), qs(row.total), qs(row.free)});
    item->setData(0, Qt::UserRole, row.driveNumber);
    item->setCheckState(0, Qt::Checked);
    item->setIcon(0, form_.ImgBtnPng.icon(kPartitionIcon));
  }
}

void ScanTargets::appendFolderRow(QTreeWidget* list, const QString& folder,
                                  const QString& description) {
  auto* item = new QTreeWidgetItem(list, {folder, description});
  item->setIcon(0, form_.ImgBtnPng.icon(kFolderIcon));
  item->setCheckState(0, Qt::Checked);
}

void ScanTargets::rebuildTempFolder() {
  const std::vector<FolderRow> rows = tempFolderRows(*form_.platform().shellFolders);
  UpdatesHeld held(TempFolder);
  TempFolder->clear();
  for (const FolderRow& row : rows)
    appendFolderRow(TempFolder, qs(row.folder), qs(row.description));
}

void ScanTargets::rebuildDailyList() {
  const std::vector<FolderRow> rows = commonFolderRows(*form_.platform().shellFolders);
  UpdatesHeld held(DailyList);
  DailyList->clear();
  for (const FolderRow& row : rows) appendFolderRow(DailyList, qs(row.folder), qs(row.description));
}

void ScanTargets::ActLabel19Click(QObject*) {
  TForm5 dialog(form_.prompts(), &form_);
  dialog.FrmCaption->setText(QStringLiteral("增加文件夹"));
  dialog.PushButton3->show();
  dialog.LabeledEdit1->EditLabel->setText(QStringLiteral("文件夹："));
  dialog.LabeledEdit1->EditLabel->adjustSize();
  dialog.LabeledEdit2->EditLabel->setText(QStringLiteral("描述："));
  dialog.LabeledEdit2->EditLabel->adjustSize();
  // The browse button stands at the right end of the narrowed first field.
  dialog.LabeledEdit1->resize(dialog.LabeledEdit1->width() - dialog.PushButton3->width(),
                              dialog.LabeledEdit1->height());
  if (dialog.exec() != QDialog::Accepted) return;
  // Taken as typed: not trimmed, not checked for existence or duplicates.
  appendFolderRow(DailyList, dialog.LabeledEdit1->text(), dialog.LabeledEdit2->text());
}

}  // namespace norvane
