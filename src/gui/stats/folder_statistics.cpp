#include "gui/stats/folder_statistics.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QWidget>

#include "core/stats/size_column.h"
#include "gui/stats/stats_page.h"
#include "gui/widgets/prompts.h"
#include "platform/link_size.h"

namespace norvane {

namespace {

QString qs(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Shows the start command again however the count ends, also when it fails.
class CountingLook {
 public:
  explicit CountingLook(StatsPage& page) : page_(page) { page_.showCounting(true); }
  ~CountingLook() { page_.showCounting(false); }
  CountingLook(const CountingLook&) = delete;
  CountingLook& operator=(const CountingLook&) = delete;

 private:
  StatsPage& page_;
};

}  // namespace

FolderStatistics::FolderStatistics(StatsPage& page, FindFile& search,
                                   std::shared_ptr<DirectoryReader> reader, Platform platform,
                                   std::shared_ptr<Prompts> prompts, QWidget& window)
    : QObject(&window),
      page_(page),
      reader_(std::move(reader)),
      count_(search, *reader_),
      platform_(std::move(platform)),
      prompts_(std::move(prompts)),
      window_(window) {
  setObjectName(QStringLiteral("folderStatistics"));
  count_.linkSize = symbolicLinkSize;
  count_.onFolderCounted = [this](const FolderFigures& figures) { addRow(figures); };
  count_.letInterfaceRun = [this] { letInterfaceRun(); };
  window.installEventFilter(this);
}

void FolderStatistics::startCount() {
  if (count_.running()) return;
  countStartTick = platform_.system->tickCount();
  closing_ = false;
  {
    CountingLook look(page_);
    page_.clearFolderRows();
    // The checked partitions as they are now: the list is rebuilt whenever the page is
    // entered, which can happen while the count lets the interface run.
    count_.countPartitions(*platform_.volumes, page_.checkedDriveNumbers());
  }
  page_.showStatus(QStringLiteral("文件夹统计完成（用时：%1秒）").arg(elapsedSeconds()));
  // The window has closed: the program is ending, nobody is there to read it.
  if (closing_) return;
  prompts_->messageBox(
      &window_,
      QStringLiteral("文件夹信息统计完成") + QStringLiteral("（用时：%1秒）").arg(elapsedSeconds()),
      QStringLiteral("提示"), PromptIcon::Information, PromptButtons::Ok);
}

void FolderStatistics::stopCount() { count_.stop(); }

void FolderStatistics::addRow(const FolderFigures& figures) {
  page_.addFolderRow(qs(figures.path), figures.folders, figures.files,
                     qs(sizeColumnText(figures.bytes, figures.partitionSize)));
}

void FolderStatistics::letInterfaceRun() {
  page_.showStatus(QStringLiteral("正在统计:") + qs(count_.currentFolder()));
  QCoreApplication::processEvents();
}

QString FolderStatistics::elapsedSeconds() const {
  // Unsigned 32-bit difference: a wrap of the tick counter still gives the duration.
  const std::uint32_t elapsed = platform_.system->tickCount() - countStartTick;
  QString seconds = QString::number(elapsed / 1000.0, 'f', 3);
  seconds.replace(u'.', QLocale().decimalPoint());
  return seconds;
}

bool FolderStatistics::eventFilter(QObject* watched, QEvent* event) {
  // Closing the window ends the program: a count running underneath must stop, not go on
  // unseen until it is done.
  if (watched == &window_ && event->type() == QEvent::Close && count_.running()) {
    closing_ = true;
    count_.stop();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace norvane
