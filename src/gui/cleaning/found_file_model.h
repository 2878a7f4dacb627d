#pragma once
// The file list's table model over the found-file store. Texts are formatted only when a view
// asks for them. Rows that arrive quickly (during a scan) reach the views in batches: one
// insert notice per event-loop turn.
#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/cleaning/found_file_store.h"

namespace norvane {

class FoundFileModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kFileColumn = 0, kFolderColumn, kSizeColumn, kTimeColumn, kColumnCount };
  // What the fourth column shows: the time, or the outcome of a deletion attempt.
  using Status = FoundFileStatus;

  explicit FoundFileModel(QObject* parent = nullptr);
  ~FoundFileModel() override;

  // Adds an unchecked row. `folder` ends with the separator, so folder + name is the path;
  // the identities are the folder's and the file's when found. Views learn of it at the next
  // turn of the event loop, or at publishPending().
  void append(std::string_view folder, std::string_view name, std::int64_t size,
              std::int32_t dosTime, FileIdentity folderIdentity, FileIdentity fileIdentity);
  // Tells the views about every row and status added since the last notice.
  void publishPending();
  // Removes every row in one reset.
  void clear();
  // Bumped by clear(): a long loop over the rows notices that they are gone.
  std::uint64_t generation() const { return generation_; }

  // All rows held, also those the views have not been told about yet.
  const FoundFileStore& rows() const { return store_; }
  int size() const { return store_.size(); }
  std::string_view name(int row) const { return store_.name(row); }
  std::string_view folder(int row) const { return store_.folder(row); }
  std::string path(int row) const { return store_.path(row); }
  ScannedFile scannedFile(int row) const { return store_.scannedFile(row); }
  std::int64_t fileSize(int row) const { return store_.fileSize(row); }
  std::int32_t dosTime(int row) const { return store_.dosTime(row); }
  Status status(int row) const { return store_.status(row); }
  void setStatus(int row, Status status);
  bool isChecked(int row) const { return store_.isChecked(row); }
  void setChecked(int row, bool checked);
  void checkAll();
  void invertChecks();

  // Bytes held for the rows, folders and texts (the model's own, not the views').
  std::size_t memoryBytes() const { return store_.memoryBytes(); }

  static QString statusText(Status status);
  // A packed local DOS date-time as the user's locale writes it: short date, then the long
  // time unless it is exactly midnight. "" for a value that is no date.
  static QString timeText(std::int32_t dosTime);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  void schedulePublish();
  void markChanged(int first, int last);

  FoundFileStore store_;
  int published_ = 0;  // rows the views know of
  int changedFirst_ = -1;
  int changedLast_ = -1;
  bool publishScheduled_ = false;
  std::uint64_t generation_ = 0;
};

}  // namespace norvane
