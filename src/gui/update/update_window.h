#pragma once
// The modal window of "在线更新": one second after it is shown it checks for an update, then
// follows the download on its progress page or says that no update was found. The update run
// itself is the Upgrader's; the window only shows its events and asks it to stop.
#include <QDialog>

#include "core/update/upgrader.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace norvane {

class WebSiteOpener;

class UpdateWindow : public QDialog {
  Q_OBJECT

 public:
  enum Page { CheckingPage = 0, DownloadPage = 1, NoUpdatePage = 2 };

  // `upgrader` gets the window's version and event handlers; its address is the caller's.
  UpdateWindow(Upgrader& upgrader, WebSiteOpener& webSite, QWidget* owner = nullptr);

  int currentPage() const;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void checkAndRun();
  void cancelClicked();
  void fileBegins(const std::string& localFile);
  void progressChanged(const ProgressEx& progress);
  void progress2Changed(std::int32_t multiProgress, std::uint32_t remnantTime, std::uint32_t speed);
  void buildPages();

  Upgrader& upgrader_;
  WebSiteOpener& webSite_;
  QStackedWidget* pages_ = nullptr;
  QLabel* checkingLabel_ = nullptr;
  QLabel* currentFileLabel_ = nullptr;
  QLabel* sizeLabel_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QLabel* speedLabel_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QTimer* checkTimer_ = nullptr;
  bool running_ = false;
  int closeAfterRun_ = -1;  // the result to close with once the run has returned
};

}  // namespace norvane
