#include "gui/cleaning/found_file_model.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <algorithm>

#include "core/shared/size_text.h"

namespace norvane {

namespace {

const char* const kHeaders[FoundFileModel::kColumnCount] = {"文件", "位置", "大小", "修改时间"};

// The locale's long time format without its time-zone part, which a file time doesn't carry.
QString longTimeFormat(const QLocale& locale) {
  const QString format = locale.timeFormat(QLocale::LongFormat);
  QString out;
  bool quoted = false;
  for (QChar c : format) {
    if (c == u'\'') quoted = !quoted;
    if (!quoted && c == u't') continue;
    out += c;
  }
  return out.simplified();
}

QString fromBytes(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FoundFileModel::FoundFileModel(QObject* parent) : QAbstractTableModel(parent) {}

FoundFileModel::~FoundFileModel() = default;

void FoundFileModel::append(std::string_view folder, std::string_view name, std::int64_t size,
                            std::int32_t dosTime, FileIdentity folderIdentity,
                            FileIdentity fileIdentity) {
  store_.append(folder, name, size, dosTime, folderIdentity, fileIdentity);
  schedulePublish();
}

void FoundFileModel::schedulePublish() {
  if (publishScheduled_) return;
  publishScheduled_ = true;
  QMetaObject::invokeMethod(this, &FoundFileModel::publishPending, Qt::QueuedConnection);
}

void FoundFileModel::publishPending() {
  publishScheduled_ = false;
  const int total = size();
  if (total > published_) {
    beginInsertRows(QModelIndex(), published_, total - 1);
    published_ = total;
    endInsertRows();
  }
  if (changedFirst_ >= 0) {
    const int first = changedFirst_;
    const int last = std::min(changedLast_, published_ - 1);
    changedFirst_ = changedLast_ = -1;
    if (first <= last)
      emit dataChanged(index(first, 0), index(last, kColumnCount - 1),
                       {Qt::DisplayRole, Qt::CheckStateRole});
  }
}

void FoundFileModel::clear() {
  beginResetModel();
  store_.clear();
  published_ = 0;
  changedFirst_ = changedLast_ = -1;
  ++generation_;
  endResetModel();
}

void FoundFileModel::markChanged(int first, int last) {
  changedFirst_ = changedFirst_ < 0 ? first : std::min(changedFirst_, first);
  changedLast_ = std::max(changedLast_, last);
  schedulePublish();
}

void FoundFileModel::setStatus(int row, Status status) {
  store_.setStatus(row, status);
  markChanged(row, row);
}

void FoundFileModel::setChecked(int row, bool checked) {
  store_.setChecked(row, checked);
  markChanged(row, row);
}

void FoundFileModel::checkAll() {
  store_.checkAll();
  if (size() > 0) markChanged(0, size() - 1);
}

void FoundFileModel::invertChecks() {
  store_.invertChecks();
  if (size() > 0) markChanged(0, size() - 1);
}

QString FoundFileModel::statusText(Status status) { return fromBytes(foundFileStatusText(status)); }

QString FoundFileModel::timeText(std::int32_t dosTime) {
  const auto packed = static_cast<std::uint32_t>(dosTime);
  const std::uint32_t date = packed >> 16;
  const std::uint32_t clock = packed & 0xFFFF;
  const QDate day(static_cast<int>((date >> 9) + 1980), static_cast<int>((date >> 5) & 15),
                  static_cast<int>(date & 31));
  const QTime time(static_cast<int>(clock >> 11), static_cast<int>((clock >> 5) & 63),
                   static_cast<int>((clock & 31) * 2));
  if (!day.isValid() || !time.isValid()) return {};
  const QLocale locale;
  QString text = locale.toString(day, locale.dateFormat(QLocale::ShortFormat));
  if (time != QTime(0, 0)) text += u' ' + locale.toString(time, longTimeFormat(locale));
  return text;
}

int FoundFileModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : published_;
}

int FoundFileModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant FoundFileModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= published_) return {};
  const int row = index.row();
  if (role == Qt::CheckStateRole && index.column() == kFileColumn)
    return isChecked(row) ? Qt::Checked : Qt::Unchecked;
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  switch (index.column()) {
    case kFileColumn:
      return fromBytes(name(row));
    case kFolderColumn:
      return fromBytes(folder(row));
    case kSizeColumn:
      return QString::fromStdString(ConFileSize(fileSize(row)));
    case kTimeColumn:
      return status(row) == Status::None ? timeText(dosTime(row)) : statusText(status(row));
    default:
      return {};
  }
}

bool FoundFileModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= published_ || index.column() != kFileColumn ||
      role != Qt::CheckStateRole)
    return false;
  setChecked(index.row(), value.toInt() == Qt::Checked);
  publishPending();
  return true;
}

Qt::ItemFlags FoundFileModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (index.column() == kFileColumn) f |= Qt::ItemIsUserCheckable;
  return f;
}

QVariant FoundFileModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= kColumnCount)
    return {};
  return QString::fromUtf8(kHeaders[section]);
}

}  // namespace norvane
