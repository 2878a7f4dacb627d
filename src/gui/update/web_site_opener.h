#pragma once
// Opening the maker's web site in the desktop's browser; tests put a recorder in its place.
#include <QString>

namespace norvane {

class WebSiteOpener {
 public:
  virtual ~WebSiteOpener() = default;
  virtual void open(const QString& address) = 0;
};

// The desktop's opener (QDesktopServices).
class DesktopWebSiteOpener : public WebSiteOpener {
 public:
  void open(const QString& address) override;
};

}  // namespace norvane
