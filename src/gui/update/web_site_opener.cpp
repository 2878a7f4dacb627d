#include "gui/update/web_site_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace norvane {

void DesktopWebSiteOpener::open(const QString& address) {
  QDesktopServices::openUrl(QUrl(address));
}

}  // namespace norvane
