#include "gui/cleaning/scan_target_lists.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "core/cleaning/target_rows.h"
#include "gui/cleaning/add_entry_dialog.h"
#include "gui/cleaning/scan_target_page.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_page.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/labeled_edit.h"

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

ScanTargets::ScanTargets(MainWindow& form) : QObject(&form), form_(form) {
  setObjectName(QStringLiteral("ScanTargets"));
  StartPage* start = form.startPage;
  partitionList = start->partitionPage->targetList;
  tempFolderList = start->tempFolderPage->targetList;
  commonFolderList = start->commonFolderPage->targetList;

  MainWindowHooks& hooks = form.hooks();
  if (!hooks.refreshInfoPage) hooks.refreshInfoPage = [this](int page) { refreshPage(page); };
  if (!hooks.fillPartitionList)
    hooks.fillPartitionList = [this](QTreeWidget* list) { fillPartitionList(list); };
  form.bindClick(start->commonFolderPage->addFolderCommand,
                 [this](QObject* sender) { addFolder(sender); });
}

void ScanTargets::refreshPage(int page) {
  switch (page) {
    case StartPage::kMyComputer:
      fillPartitionList(partitionList);
      break;
    case StartPage::kTempFolders:
      rebuildTempFolderList();
      break;
    case StartPage::kCommonFolders:
      rebuildCommonFolderList();
      break;
    default:
      break;
  }
}

void ScanTargets::fillPartitionList(QTreeWidget* list) {
  if (list == nullptr) return;
  // Read the drives before the list is touched: a failure leaves the old rows.
  const std::vector<PartitionRow> rows = partitionRows(*form_.platform().volumes);
  UpdatesHeld held(list);
  list->clear();
  for (const PartitionRow& row : rows) {
    auto* item = new QTreeWidgetItem(list, {qs(row.caption), qs(row.total), qs(row.free)});
    item->setData(0, Qt::UserRole, row.driveNumber);
    item->setCheckState(0, Qt::Checked);
    item->setIcon(0, form_.imageList.icon(kPartitionIcon));
  }
}

void ScanTargets::appendFolderRow(QTreeWidget* list, const QString& folder,
                                  const QString& description) {
  auto* item = new QTreeWidgetItem(list, {folder, description});
  item->setIcon(0, form_.imageList.icon(kFolderIcon));
  item->setCheckState(0, Qt::Checked);
}

void ScanTargets::rebuildTempFolderList() {
  const std::vector<FolderRow> rows = tempFolderRows(*form_.platform().shellFolders);
  UpdatesHeld held(tempFolderList);
  tempFolderList->clear();
  for (const FolderRow& row : rows)
    appendFolderRow(tempFolderList, qs(row.folder), qs(row.description));
}

void ScanTargets::rebuildCommonFolderList() {
  const std::vector<FolderRow> rows = commonFolderRows(*form_.platform().shellFolders);
  UpdatesHeld held(commonFolderList);
  commonFolderList->clear();
  for (const FolderRow& row : rows)
    appendFolderRow(commonFolderList, qs(row.folder), qs(row.description));
}

void ScanTargets::addFolder(QObject*) {
  AddEntryDialog dialog(form_.prompts(), &form_);
  dialog.setUpForFolder();
  if (dialog.exec() != QDialog::Accepted) return;
  // Taken as typed: not trimmed, not checked for existence or duplicates.
  appendFolderRow(commonFolderList, dialog.upperEdit->text(), dialog.lowerEdit->text());
}

}  // namespace norvane
