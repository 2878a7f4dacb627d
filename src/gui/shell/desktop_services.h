#pragma once
// The desktop services the main window uses that a test must not trigger for real: opening a
// link and handing the window to the system's move. Unset, each falls back to the desktop.
#include <QString>
#include <functional>

#include "gui/widgets/drag_strip.h"

namespace norvane {

struct DesktopServices {
  // Opens a link target ("open" on the desktop).
  std::function<void(const QString& target)> openLink;
  DragStrip::Mover moveWindow;
};

}  // namespace norvane
