#pragma once
// The function page "软件卸载": the registered programs and the two commands on them. The list
// widget only shows what it is given; the user's choice of row is passed on as
// programSelected.
#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace norvane {

class ActionLabel;
class ImageList;

class UninstallPage : public QWidget {
  Q_OBJECT

 public:
  explicit UninstallPage(const ImageList& images, QWidget* parent = nullptr);

  // Where the registration list sits.
  static QRect listGeometry() { return QRect(12, 12, 598, 314); }
  // The designed height of a row; a fallback font taller than that widens it.
  static constexpr int kDesignedRowHeight = 12;

  // Shows these names, one row each, with row `selected` current (-1: none). Passes nothing on
  // as the user's choice.
  void showPrograms(const std::vector<std::string>& names, int selected);

  QListWidget* programList = nullptr;
  ActionLabel* uninstallCommand = nullptr;            // "卸载"
  ActionLabel* deleteUninstallInfoCommand = nullptr;  // "删除卸载信息"
  QLabel* uninstallWarningLabel = nullptr;

 signals:
  // The user made row `index` current.
  void programSelected(int index);
  // The page is shown for the first time.
  void firstShown();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int rowHeight() const;

  bool shown_ = false;
};

}  // namespace norvane
