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
  startLabel = createCommandLabel(this, images, name(names.start), QStringLiteral("开始扫描"), 8,
                                  QPoint(2, kInfoCommandY));
  settingsLabel = createCommandLabel(this, images, name(names.settings), QStringLiteral("设置"), 4,
                                     QPoint(100, kInfoCommandY));
  fileTypesLabel = createCommandLabel(this, images, name(names.fileTypes),
                                      QStringLiteral("文件类型"), 5, QPoint(170, kInfoCommandY));
  if (names.addFolder != nullptr)
    addFolderLabel =
        createCommandLabel(this, images, name(names.addFolder), QStringLiteral("增加文件夹"), 13,
                           QPoint(264, kInfoCommandY));
  backLabel = createBackLabel(this, images, name(names.back));
}

ScanTargetPage* ScanTargetPage::createPartitionPage(const ImageList& images, QWidget* parent) {
  auto* page = new ScanTargetPage(
      images,
      {"PartitionPage", "我的电脑", "ActLabel10", "ActLabel9", "ActLabel8", "ActLabel7", nullptr},
      parent);
  page->list = createListView(page, QStringLiteral("HDList"),
                              {{QStringLiteral("分区"), 130},
                               {QStringLiteral("空间总计"), 130},
                               {QStringLiteral("可用空间"), 170}},
                              false);
  page->list->setGeometry(0, 0, kInfoPageWidth, kInfoListHeight);
  return page;
}

ScanTargetPage* ScanTargetPage::createFolderPage(const ImageList& images, const Names& names,
                                                 const char* listName, QWidget* parent) {
  auto* page = new ScanTargetPage(images, names, parent);
  page->list = createListView(
      page, name(listName), {{QStringLiteral("文件夹"), 300}, {QStringLiteral("说明"), 130}}, true);
  page->list->setGeometry(0, 0, kInfoPageWidth, kInfoListHeight);
  return page;
}

ScanTargetPage* ScanTargetPage::createTempFolderPage(const ImageList& images, QWidget* parent) {
  return createFolderPage(images,
                          {"TempFolderPage", "临时文件夹", "ActLabel14", "ActLabel11", "ActLabel12",
                           "ActLabel13", nullptr},
                          "TempFolder", parent);
}

ScanTargetPage* ScanTargetPage::createCommonFolderPage(const ImageList& images, QWidget* parent) {
  return createFolderPage(images,
                          {"CommonFolderPage", "常用文件夹", "ActLabel15", "ActLabel16",
                           "ActLabel17", "ActLabel18", "ActLabel19"},
                          "DailyList", parent);
}

}  // namespace norvane
