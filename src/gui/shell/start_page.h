#pragma once
// The function page "磁盘文件": the shortcut box, the description box and the information
// area (infoPageHeading over the notebook infoPages with its six pages).
#include <QString>
#include <QWidget>
#include <memory>

#include "platform/platform.h"

class QLabel;
class QStackedWidget;

namespace norvane {

class ActionLabel;
class DiskPanel;
class ImageList;
class Prompts;
class RestartPage;
class ScanProgressPage;
class ScanTargetPage;

class StartPage : public QWidget {
  Q_OBJECT

 public:
  // Information pages by index.
  enum InfoPage { kDiskInfo = 0, kMyComputer, kTempFolders, kCommonFolders, kRestart, kScanResult };

  StartPage(const Platform& platform, std::shared_ptr<Prompts> prompts, const ImageList& images,
            QWidget* parent = nullptr);

  // The caption of an information page ("硬盘信息", "我的电脑", ...).
  QString infoPageCaption(int index) const;
  // The first command of information page `index` ("开始扫描" of a target page, "添加文件" of
  // "重启删除"), which the shortcut's start command runs; null for the other pages.
  ActionLabel* firstCommandOf(int index) const;

  QWidget* shortcutBox = nullptr;
  ActionLabel* shortcutsHeading = nullptr;  // "快捷方式"
  ActionLabel* shortcuts[4] = {};           // myComputerShortcut .. restartDeleteShortcut
  QLabel* shortcutPictures[4] = {};
  ActionLabel* startCommands[4] = {};    // myComputerStartCommand .. restartDeleteStartCommand
  QLabel* descriptionPicture = nullptr;  // the description box's picture
  QLabel* descriptionLabel = nullptr;    // the description text
  QLabel* infoPageHeading = nullptr;     // heading of the information area
  QStackedWidget* infoPages = nullptr;

  DiskPanel* diskPanel = nullptr;
  ScanTargetPage* partitionPage = nullptr;
  ScanTargetPage* tempFolderPage = nullptr;
  ScanTargetPage* commonFolderPage = nullptr;
  RestartPage* restartPage = nullptr;
  ScanProgressPage* progressPage = nullptr;

 private:
  void buildShortcutBox(const ImageList& images);
  void buildDescriptionBox(const ImageList& images);
};

}  // namespace norvane
