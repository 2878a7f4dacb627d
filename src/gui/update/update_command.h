#pragma once
// What the rest of the program calls for the online update.
#include "platform/platform.h"

class QWidget;

namespace norvane {

class EventLoop;
class WebSiteOpener;

// "在线更新": the update window, modally over `owner`, with the update address from
// "Setup.ini" beside the program ([Update] URL=, else the maker's server). Returns when the
// window has closed; a completed download ends the program inside instead.
void showUpdateWindow(QWidget* owner, const Platform& platform, EventLoop& events,
                      WebSiteOpener& webSite);

// Program start: completes or undoes an update that the companion left unfinished, unless the
// companion is still running. Never throws.
void finishPendingUpdateAtStart();

}  // namespace norvane
