#pragma once
// The function page "软件卸载": the registered programs and the two commands on them.
#include <QWidget>

class QLabel;
class QListWidget;

namespace norvane {

class ActionLabel;
class ImageList;

class UninstallPage : public QWidget {
  Q_OBJECT

 public:
  explicit UninstallPage(const ImageList& images, QWidget* parent = nullptr);

  // Where the registration list sits; the list itself is placed here by its owner.
  static QRect listGeometry() { return QRect(12, 12, 598, 314); }

  QListWidget* programList = nullptr;
  ActionLabel* uninstallCommand = nullptr;            // "卸载"
  ActionLabel* deleteUninstallInfoCommand = nullptr;  // "删除卸载信息"
  QLabel* uninstallWarningLabel = nullptr;
};

}  // namespace norvane
