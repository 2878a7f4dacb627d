#include "gui/update/update_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include "gui/widgets/maker.h"
#include "gui/widgets/skin.h"
#include "core/update/running_version.h"
#include "gui/update/update_texts.h"
#include "gui/update/web_site_opener.h"

namespace norvane {

namespace {

// The version date the window gives the update component (11 November 2007, 03:02:41).
constexpr double kVersionDate = 39397.12686739583;

QLabel* makeLabel(QWidget* page, const char* name, const QString& text, QRect geometry,
                  const QFont& font) {
  auto* label = new QLabel(text, page);
  label->setObjectName(QLatin1String(name));
  label->setFont(font);
  label->setGeometry(geometry);
  return label;
}

}  // namespace

UpdateWindow::UpdateWindow(Upgrader& upgrader, WebSiteOpener& webSite, QWidget* owner)
    : QDialog(owner), upgrader_(upgrader), webSite_(webSite) {
  setObjectName(QStringLiteral("updateWindow"));
  setWindowTitle(QStringLiteral("在线更新"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(392, 110);
  setModal(true);
  setFont(Skin::uiFont(12));
  QPalette look = palette();
  look.setColor(QPalette::Window, QColor(173, 211, 181));
  setPalette(look);
  setAutoFillBackground(true);
  buildPages();

  checkTimer_ = new QTimer(this);
  checkTimer_->setObjectName(QStringLiteral("checkTimer"));
  checkTimer_->setInterval(1000);
  connect(checkTimer_, &QTimer::timeout, this, &UpdateWindow::checkAndRun);

  upgrader_.versionPattern = VersionPattern::ByNumber;
  upgrader_.versionAsNumber = kRunningVersion;
  upgrader_.versionAsDateTime = kVersionDate;
  upgrader_.onProgress = [this](const ProgressEx& progress, std::uint32_t, const char*) {
    progressChanged(progress);
  };
  upgrader_.onProgress2 = [this](std::int32_t, std::int32_t multi, std::uint32_t remnant,
                                 std::uint32_t speed, std::uint32_t,
                                 const char*) { progress2Changed(multi, remnant, speed); };
  upgrader_.onFileBegin = [this](const std::string&, const std::string& localFile, std::int64_t) {
    fileBegins(localFile);
  };
  upgrader_.onFileEnd = nullptr;
}

void UpdateWindow::buildPages() {
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("pages"));
  pages_->setGeometry(rect());

  auto* checking = new QWidget;
  checking->setObjectName(QStringLiteral("checkingPage"));
  checkingLabel_ = makeLabel(checking, "checkingLabel", QStringLiteral("正在检测更新………请稍等！"),
                             QRect(16, 36, 290, 20), Skin::uiFont(14, true));

  auto* download = new QWidget;
  download->setObjectName(QStringLiteral("downloadPage"));
  currentFileLabel_ =
      makeLabel(download, "currentFileLabel", QString(), QRect(16, 8, 360, 16), Skin::uiFont(12));
  sizeLabel_ =
      makeLabel(download, "sizeLabel", QString(), QRect(16, 28, 360, 16), Skin::uiFont(12));
  progressBar_ = new QProgressBar(download);
  progressBar_->setObjectName(QStringLiteral("progressBar"));
  progressBar_->setGeometry(16, 50, 349, 17);
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);
  speedLabel_ =
      makeLabel(download, "speedLabel", QString(), QRect(16, 80, 288, 16), Skin::uiFont(12));

  auto* noUpdate = new QWidget;
  noUpdate->setObjectName(QStringLiteral("noUpdatePage"));
  makeLabel(noUpdate, "noUpdateLabel", QStringLiteral("未检测到有升级文件，可能存在以下原因："),
            QRect(16, 14, 360, 16), Skin::uiFont(12, true));
  makeLabel(noUpdate, "upToDateReason", QStringLiteral("·您使用的已经是最新版本"),
            QRect(28, 40, 280, 16), Skin::uiFont(12));
  makeLabel(noUpdate, "offlineReason", QStringLiteral("·您未连接到网上"), QRect(28, 60, 280, 16),
            Skin::uiFont(12))
      ->hide();

  for (QWidget* page : {checking, download, noUpdate}) {
    page->setAutoFillBackground(false);
    pages_->addWidget(page);
  }

  cancelButton_ = new QPushButton(QStringLiteral("取消"), this);
  cancelButton_->setObjectName(QStringLiteral("cancelButton"));
  cancelButton_->setGeometry(309, 79, 75, 25);
  cancelButton_->raise();
  connect(cancelButton_, &QPushButton::clicked, this, &UpdateWindow::cancelClicked);
}

int UpdateWindow::currentPage() const { return pages_->currentIndex(); }

void UpdateWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  pages_->setCurrentIndex(CheckingPage);
  checkTimer_->start();
}

void UpdateWindow::checkAndRun() {
  checkTimer_->stop();
  // The run takes the information just checked instead of fetching and verifying it again.
  DownloadInfo info;
  if (upgrader_.checkUpdate(&info)) {
    pages_->setCurrentIndex(DownloadPage);
    running_ = true;
    try {
      upgrader_.execute(&info);
    } catch (...) {
      // The run reports nothing itself; the page keeps what it last showed.
    }
    running_ = false;
    if (closeAfterRun_ >= 0) QDialog::done(closeAfterRun_);
  } else {
    pages_->setCurrentIndex(NoUpdatePage);
    cancelButton_->setText(QStringLiteral("关闭"));
  }
}

void UpdateWindow::cancelClicked() {
  upgrader_.stop();
  done(QDialog::Accepted);
}

void UpdateWindow::done(int result) {
  // While a run is inside a download the window closes once the run has returned.
  if (running_) {
    closeAfterRun_ = result;
    return;
  }
  checkTimer_->stop();
  if (pages_->currentIndex() == NoUpdatePage) webSite_.open(kMakerWebSite);
  QDialog::done(result);
}

void UpdateWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    // The title bar's close button doesn't stop a run; the window closes when it returns.
    closeAfterRun_ = QDialog::Rejected;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void UpdateWindow::fileBegins(const std::string& localFile) {
  currentFileLabel_->setText(downloadingText(QString::fromStdString(localFile)));
}

void UpdateWindow::progressChanged(const ProgressEx& progress) {
  sizeLabel_->setText(sizeText(progress.totalSize, progress.totalDone));
}

void UpdateWindow::progress2Changed(std::int32_t multiProgress, std::uint32_t remnantTime,
                                    std::uint32_t speed) {
  progressBar_->setValue(multiProgress);
  speedLabel_->setText(speedText(speed, remnantTime));
}

}  // namespace norvane
