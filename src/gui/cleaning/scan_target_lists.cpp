#include "gui/cleaning/scan_target_lists.h"

#include <QTreeWidget>

#include "core/cleaning/target_rows.h"
#include "core/shared/drive_helpers.h"
#include "gui/cleaning/add_entry_dialog.h"
#include "gui/cleaning/scan_target_page.h"
#include "gui/widgets/image_list.h"
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

// The captions of the checked rows, in list order.
std::vector<std::string> checkedCaptions(const QTreeWidget* list) {
  std::vector<std::string> captions;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = list->topLevelItem(i);
    if (row->checkState(0) == Qt::Checked) captions.push_back(row->text(0).toStdString());
  }
  return captions;
}

}  // namespace

ScanTargetLists::ScanTargetLists(ScanTargetPage& partitions, ScanTargetPage& tempFolders,
                                 ScanTargetPage& commonFolders, Platform platform, Prompts& prompts,
                                 const ImageList& images, QWidget* dialogOwner)
    : QObject(dialogOwner),
      partitionList(partitions.targetList),
      tempFolderList(tempFolders.targetList),
      commonFolderList(commonFolders.targetList),
      platform_(std::move(platform)),
      prompts_(prompts),
      images_(images),
      dialogOwner_(dialogOwner) {
  setObjectName(QStringLiteral("scanTargetLists"));
}

void ScanTargetLists::fillPartitionList(QTreeWidget* list) {
  if (list == nullptr) return;
  // Read the drives before the list is touched: a failure leaves the old rows.
  const std::vector<PartitionRow> rows = partitionRows(*platform_.volumes);
  UpdatesHeld held(list);
  list->clear();
  for (const PartitionRow& row : rows) {
    auto* item = new QTreeWidgetItem(list, {qs(row.caption), qs(row.total), qs(row.free)});
    item->setData(0, Qt::UserRole, row.driveNumber);
    item->setCheckState(0, Qt::Checked);
    item->setIcon(0, images_.icon(kPartitionIcon));
  }
}

void ScanTargetLists::appendFolderRow(QTreeWidget* list, const QString& folder,
                                      const QString& description) {
  auto* item = new QTreeWidgetItem(list, {folder, description});
  item->setIcon(0, images_.icon(kFolderIcon));
  item->setCheckState(0, Qt::Checked);
}

void ScanTargetLists::rebuildTempFolderList() {
  const std::vector<FolderRow> rows = tempFolderRows(*platform_.shellFolders);
  UpdatesHeld held(tempFolderList);
  tempFolderList->clear();
  for (const FolderRow& row : rows)
    appendFolderRow(tempFolderList, qs(row.folder), qs(row.description));
}

void ScanTargetLists::rebuildCommonFolderList() {
  const std::vector<FolderRow> rows = commonFolderRows(*platform_.shellFolders);
  UpdatesHeld held(commonFolderList);
  commonFolderList->clear();
  for (const FolderRow& row : rows)
    appendFolderRow(commonFolderList, qs(row.folder), qs(row.description));
}

void ScanTargetLists::addFolder() {
  AddEntryDialog dialog(prompts_, dialogOwner_);
  dialog.setUpForFolder();
  if (dialog.exec() != QDialog::Accepted) return;
  // Taken as typed: not trimmed, not checked for existence or duplicates.
  appendFolderRow(commonFolderList, dialog.upperEdit->text(), dialog.lowerEdit->text());
}

std::vector<std::string> ScanTargetLists::checkedPartitionRoots() const {
  Volumes& volumes = *platform_.volumes;
  std::vector<std::string> roots;
  for (int i = 0; i < partitionList->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = partitionList->topLevelItem(i);
    if (row->checkState(0) != Qt::Checked) continue;
    // Drive number 1 is A.
    const char letter = static_cast<char>(row->data(0, Qt::UserRole).toInt() + 'A' - 1);
    roots.push_back(DriveRootPath(volumes, letter));
  }
  return roots;
}

std::vector<std::string> ScanTargetLists::checkedTempFolders() const {
  return checkedCaptions(tempFolderList);
}

std::vector<std::string> ScanTargetLists::checkedCommonFolders() const {
  return checkedCaptions(commonFolderList);
}

}  // namespace norvane
