#pragma once
// The points where the main window reaches parts that live elsewhere (the junk search, the
// settings dialog, the update window, the partition list) and the desktop services a test
// must not trigger for real (opening links, moving the window). Unset hooks do nothing, except
// openLink and moveWindow, which fall back to the desktop.
#include <QString>
#include <functional>

#include "gui/widgets/drag_strip.h"

class QTreeWidget;

namespace norvane {

struct MainWindowHooks {
  // True while a junk scan runs.
  std::function<bool()> scanRunning;
  // Show the settings dialog modally on its options page (0) or its file-type page (1), then close
  // it.
  std::function<void(int page)> showSettings;
  // openUpdateWindow: the update window, modally.
  std::function<void()> showUpdateWindow;
  // fillPartitionList on a partition list (countPartitionList when "目录统计" is entered).
  std::function<void(QTreeWidget* list)> fillPartitionList;
  // Refresh of the information pages 1 to 3 when they are entered.
  std::function<void(int page)> refreshInfoPage;
  // Opens a link target ("open" on the desktop).
  std::function<void(const QString& target)> openLink;
  DragStrip::Mover moveWindow;
};

}  // namespace norvane
