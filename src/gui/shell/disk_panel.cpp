#include "gui/shell/disk_panel.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLinearGradient>
#include <QPieSeries>
#include <QPieSlice>
#include <algorithm>
#include <clocale>
#include <string>
#include <vector>

#include "core/shared/drive_helpers.h"
#include "core/shared/size_text.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/page_commands.h"
#include "gui/widgets/prompts.h"
#include "gui/widgets/skin.h"

namespace norvane {

namespace {

constexpr double kGigabyte = 1073741824.0;
constexpr int kChartWidth = 310;
constexpr int kLegendWidth = 156;
constexpr qreal kPieSize = 0.94;
constexpr qreal kPieX = 0.25;
// The plain colour of a slice, under its gradient.
constexpr const char* kSliceColour = "sliceColour";

// The separator ConFileSize uses, so that every number on the panel reads alike.
char decimalSeparator() {
  const std::lconv* lc = std::localeconv();
  return (lc && lc->decimal_point && *lc->decimal_point) ? *lc->decimal_point : '.';
}

QString fixed2(double value) {
  return QString::fromStdString(FormatFixed2(value, decimalSeparator()));
}

// The chart holds the value as shown: two decimals.
double rounded2(double value) { return QString::fromStdString(FormatFixed2(value)).toDouble(); }

QString sizeText(std::int64_t bytes) { return QString::fromStdString(ConFileSize(bytes)); }

QLabel* infoLine(QWidget* parent, const QString& name, const QString& text, const QColor& colour,
                 int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(12, y, 240, 16);
  if (colour.isValid()) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
  }
  return label;
}

void setTextColour(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, colour);
  w->setPalette(pal);
}

}  // namespace

DiskPanel::DiskPanel(const Platform& platform, std::shared_ptr<Prompts> prompts,
                     const ImageList& images, QWidget* parent)
    : QWidget(parent), platform_(platform), prompts_(std::move(prompts)) {
  setObjectName(QStringLiteral("diskPanel"));
  buildChart();

  systemInfoBox = new QGroupBox(QStringLiteral("系统信息"), this);
  systemInfoBox->setObjectName(QStringLiteral("systemInfoBox"));
  systemInfoBox->setGeometry(kChartWidth + 6, 0, kInfoPageWidth - kChartWidth - 6, kInfoPageHeight);
  systemPartitionLabel = infoLine(systemInfoBox, QStringLiteral("systemPartitionLabel"),
                                  QStringLiteral("系统分区"), QColor(Qt::red), 22);
  fileSystemLabel = infoLine(systemInfoBox, QStringLiteral("fileSystemLabel"),
                             QStringLiteral("文件系统"), QColor(), 42);
  totalSizeLabel = infoLine(systemInfoBox, QStringLiteral("totalSizeLabel"),
                            QStringLiteral("总 大 小"), QColor(Qt::blue), 62);
  freeSpaceLabel = infoLine(systemInfoBox, QStringLiteral("freeSpaceLabel"),
                            QStringLiteral("可用空间"), QColor(0, 128, 0), 82);

  recycleBinLabel = new ActionLabel(QStringLiteral("获取回收站信息"), systemInfoBox);
  recycleBinLabel->setObjectName(QStringLiteral("recycleBinLabel"));
  recycleBinLabel->setAutoSize(false);
  recycleBinLabel->setWordWrap(true);
  recycleBinLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  recycleBinLabel->setGeometry(12, 104, 240, 30);
  QFont underlined = recycleBinLabel->font();
  underlined.setUnderline(true);
  recycleBinLabel->setFont(underlined);
  setTextColour(recycleBinLabel, QColor(128, 0, 0));

  emptyRecycleBinCommand = new ActionLabel(QStringLiteral("清空回收站"), systemInfoBox);
  emptyRecycleBinCommand->setObjectName(QStringLiteral("emptyRecycleBinCommand"));
  emptyRecycleBinCommand->setImage(&images, 17);
  emptyRecycleBinCommand->move(12, 135);
  setTextColour(emptyRecycleBinCommand, QColor(Qt::blue));
}

void DiskPanel::buildChart() {
  diskSeries = new QPieSeries();
  diskSeries->setObjectName(QStringLiteral("diskSeries"));
  diskSeries->setName(QStringLiteral("硬盘使用情况"));
  diskSeries->setPieSize(kPieSize);
  diskSeries->setHorizontalPosition(kPieX);

  auto* chart = new QChart();
  chart->addSeries(diskSeries);
  chart->setBackgroundBrush(Qt::white);
  chart->setBackgroundRoundness(0);
  chart->setDropShadowEnabled(false);
  chart->setMargins(QMargins(2, 2, 2, 18));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setAnimationOptions(QChart::NoAnimation);

  // The legend is drawn by the panel beside the pie: the chart's own squeezes its lines.
  chart->legend()->hide();

  diskChart = new QChartView(chart, this);
  diskChart->setObjectName(QStringLiteral("diskChart"));
  diskChart->setRenderHint(QPainter::Antialiasing);
  diskChart->setFrameShape(QFrame::NoFrame);
  diskChart->setGeometry(0, 0, kChartWidth, kInfoPageHeight);
  connect(chart, &QChart::plotAreaChanged, this, [this] { shadeSlices(); });

  for (int i = 0; i < 2; ++i) {
    legendLines_[i] = new QLabel(diskChart);
    legendLines_[i]->setObjectName(i == 0 ? QStringLiteral("usedSpaceLegend")
                                          : QStringLiteral("freeSpaceLegend"));
    legendLines_[i]->setGeometry(kChartWidth - kLegendWidth, 44 + 24 * i, kLegendWidth, 18);
  }

  totalCapacityLabel = new QLabel(diskChart);
  totalCapacityLabel->setObjectName(QStringLiteral("totalCapacityLabel"));
  totalCapacityLabel->setAlignment(Qt::AlignCenter);
  totalCapacityLabel->setFont(Skin::uiFont(12, true));
  totalCapacityLabel->setGeometry(0, kInfoPageHeight - 18, kChartWidth, 16);
  setTextColour(totalCapacityLabel, QColor(0, 128, 0));
}

void DiskPanel::shadeSlices() {
  // One left-to-right gradient across the whole pie, ending in blue.
  const QRectF plot = diskChart->chart()->plotArea();
  const qreal diameter = kPieSize * std::min(plot.width(), plot.height());
  const qreal left = plot.left() + kPieX * plot.width() - diameter / 2;
  for (QPieSlice* slice : diskSeries->slices()) {
    const QColor colour = slice->property(kSliceColour).value<QColor>();
    QLinearGradient fill(left, 0, left + diameter, 0);
    fill.setColorAt(0, colour);
    fill.setColorAt(0.55, colour);
    fill.setColorAt(1, QColor(0, 0, 255));
    slice->setBrush(QBrush(fill));
  }
}

QString DiskPanel::chartFooter() const { return totalCapacityLabel->text(); }

void DiskPanel::addSlice(double value, const QString& label, const QColor& colour) {
  // The legend reads "value label", for example "37.52 GB 已用空间".
  auto* slice = diskSeries->append(fixed2(value) + QLatin1Char(' ') + label, value);
  slice->setProperty(kSliceColour, colour);
  const int line = static_cast<int>(diskSeries->count()) - 1;
  if (line < 2) {
    QLabel* legend = legendLines_[line];
    legend->setTextFormat(Qt::RichText);
    legend->setText(QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                        .arg(colour.name(), slice->label().toHtmlEscaped()));
  }
  slice->setPen(QPen(QColor(70, 90, 70), 1));
  slice->setLabelVisible(false);
}

void DiskPanel::showDiskSpace() {
  Volumes& volumes = *platform_.volumes;
  std::vector<std::string> roots;
  GetFixedDrives(volumes, &roots);

  double total = 0;
  double free = 0;
  QString letters;
  for (const std::string& root : roots) {
    const char letter = RootPathDriveLetter(volumes, root);
    total += static_cast<double>(DriveSize(volumes, letter));
    free += static_cast<double>(DriveFree(volumes, letter));
    letters += QLatin1Char(letter);
    letters += QLatin1Char(',');
  }

  diskSeries->clear();
  addSlice(rounded2((total - free) / kGigabyte), QStringLiteral("GB 已用空间"), QColor(0, 0, 255));
  addSlice(rounded2(free / kGigabyte), QStringLiteral("GB 剩余空间"), QColor(181, 255, 181));
  shadeSlices();
  letters.chop(1);
  totalCapacityLabel->setText(QStringLiteral("(") + letters + QStringLiteral(")总计容量:") +
                              fixed2(total / kGigabyte) + QStringLiteral(" GB"));

  // The system partition is the drive of the Windows folder.
  const std::string windowsFolder = platform_.shellFolders->windowsFolder();
  const char letter = windowsFolder.empty() ? '\0' : volumes.driveOfPath(windowsFolder);
  const QString drivePart =
      IsDriveLetter(letter) ? QString::fromStdString(DriveRootPath(volumes, letter)) : QString();
  systemPartitionLabel->setText(QStringLiteral("系统分区：(") + drivePart + QStringLiteral(")") +
                                QString::fromStdString(DriveVolumeLabel(volumes, letter)));
  fileSystemLabel->setText(QStringLiteral("文件系统：") +
                           QString::fromStdString(DriveFileSystem(volumes, letter)));
  totalSizeLabel->setText(QStringLiteral("总 大 小：") + sizeText(DriveSize(volumes, letter)));
  freeSpaceLabel->setText(QStringLiteral("可用空间：") + sizeText(DriveFree(volumes, letter)));
}

void DiskPanel::showRecycleBin() {
  Trash& trash = *platform_.trash;
  if (!trash.available()) {
    recycleBinLabel->setText(QStringLiteral("无法获取回收站信息"));
    return;
  }
  TrashContents contents;
  if (trash.query(contents) != 0) {
    recycleBinLabel->setText(QStringLiteral("获取回收站信息错误"));
    return;
  }
  if (contents.items > 0)
    recycleBinLabel->setText(
        QStringLiteral("回收站共%1个项目,%2").arg(contents.items).arg(sizeText(contents.size)));
  else
    recycleBinLabel->setText(QStringLiteral("回 收 站：空"));
}

bool DiskPanel::emptyRecycleBin() {
  Trash& trash = *platform_.trash;
  if (!trash.available()) return false;
  return trash.empty() == 0;
}

void DiskPanel::emptyRecycleBinAndReport() {
  if (emptyRecycleBin())
    prompts_->messageBox(window(), QStringLiteral("回收站清理成功！"), QStringLiteral("提示"),
                         PromptIcon::Information, PromptButtons::Ok);
  else
    prompts_->messageBox(window(), QStringLiteral("回收站清理失败！"), QStringLiteral("提示"),
                         PromptIcon::Error, PromptButtons::Ok);
  showRecycleBin();
}

}  // namespace norvane
