#include "gui/cleaning/scan_target_page.h"

#include <QTreeWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/list_views.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

namespace {

QString name(const char* text) { return QString::fromLatin1(text); }

}  // namespace

ScanTargetPage::ScanTargetPage(const ImageList& images, const Names& names, QWidget* parent)
    : QWidget(parent) {
  setObjectName(name(names.page));
  setWindowTitle(QString::fromUtf8(names.caption));
  scanCommand = createCommandLabel(this, images, name(names.start), QStringLiteral("开始扫描"), 8,
                                   QPoint(2, kInfoCommandY));
  settingsCommand = createCommandLabel(this, images, name(names.settings), QStringLiteral("设置"),
                                       4, QPoint(100, kInfoCommandY));
  fileTypesCommand = createCommandLabel(this, images, name(names.fileTypes),
                                        QStringLiteral("文件类型"), 5, QPoint(170, kInfoCommandY));
  if (names.addFolder != nullptr)
    addFolderCommand =
        createCommandLabel(this, images, name(names.addFolder), QStringLiteral("增加文件夹"), 13,
                           QPoint(264, kInfoCommandY));
  backCommand = createBackLabel(this, images, name(names.back));
}

ScanTargetPage* ScanTargetPage::createPartitionPage(const ImageList& images, QWidget* parent) {
  auto* page = new ScanTargetPage(
      images,
      {"partitionPage", "我的电脑", "scanPartitionsCommand", "partitionSettingsCommand",
       "partitionFileTypesCommand", "partitionBackCommand", nullptr},
      parent);
  page->targetList = createListView(page, QStringLiteral("partitionList"),
                                    {{QStringLiteral("分区"), 130},
                                     {QStringLiteral("空间总计"), 130},
                                     {QStringLiteral("可用空间"), 170}},
                                    false);
  page->targetList->setGeometry(0, 0, kInfoPageWidth, kInfoListHeight);
  return page;
}

ScanTargetPage* ScanTargetPage::createFolderPage(const ImageList& images, const Names& names,
                                                 const char* listName, QWidget* parent) {
  auto* page = new ScanTargetPage(images, names, parent);
  page->targetList = createListView(
      page, name(listName), {{QStringLiteral("文件夹"), 300}, {QStringLiteral("说明"), 130}}, true);
  page->targetList->setGeometry(0, 0, kInfoPageWidth, kInfoListHeight);
  return page;
}

ScanTargetPage* ScanTargetPage::createTempFolderPage(const ImageList& images, QWidget* parent) {
  return createFolderPage(
      images,
      {"tempFolderPage", "临时文件夹", "scanTempFoldersCommand", "tempFolderSettingsCommand",
       "tempFolderFileTypesCommand", "tempFolderBackCommand", nullptr},
      "tempFolderList", parent);
}

ScanTargetPage* ScanTargetPage::createCommonFolderPage(const ImageList& images, QWidget* parent) {
  return createFolderPage(
      images,
      {"commonFolderPage", "常用文件夹", "scanCommonFoldersCommand", "commonFolderSettingsCommand",
       "commonFolderFileTypesCommand", "commonFolderBackCommand", "addFolderCommand"},
      "commonFolderList", parent);
}

}  // namespace norvane
