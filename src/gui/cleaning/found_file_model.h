#pragma once
// The rows of the file list, one per found file, kept compactly: names and folders live in a
// shared text arena, each folder once; size, time, status and check mark sit in a fixed
// 32-byte record. Texts are formatted only when a view asks for them. Rows that arrive quickly
// (during a scan) reach the views in batches: one insert notice per event-loop turn.
#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace norvane {

class FoundFileModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kFileColumn = 0, kFolderColumn, kSizeColumn, kTimeColumn, kColumnCount };
  // What the fourth column shows: the time, or the outcome of a deletion attempt.
  enum class Status : std::uint8_t { None, Missing, Deleted, RestartDelete, Failed };

  explicit FoundFileModel(QObject* parent = nullptr);
  ~FoundFileModel() override;

  // Adds an unchecked row. `folder` ends with the separator, so folder + name is the path.
  // Views learn of it at the next turn of the event loop, or at publishPending().
  void append(std::string_view folder, std::string_view name, std::int64_t size,
              std::int32_t dosTime);
  // Tells the views about every row and status added since the last notice.
  void publishPending();
  // Removes every row in one reset.
  void clear();
  // Bumped by clear(): a long loop over the rows notices that they are gone.
  std::uint64_t generation() const { return generation_; }

  // All rows held, also those the views have not been told about yet.
  int size() const { return static_cast<int>(rows_.size()); }
  std::string_view name(int row) const;
  std::string_view folder(int row) const;
  std::string path(int row) const;
  std::int64_t fileSize(int row) const { return rows_[static_cast<std::size_t>(row)].size; }
  std::int32_t dosTime(int row) const { return rows_[static_cast<std::size_t>(row)].time; }
  Status status(int row) const { return rows_[static_cast<std::size_t>(row)].status; }
  void setStatus(int row, Status status);
  bool isChecked(int row) const { return rows_[static_cast<std::size_t>(row)].checked; }
  void setChecked(int row, bool checked);
  void checkAll();
  void invertChecks();

  // Bytes held for the rows, folders and texts (the model's own, not the views').
  std::size_t memoryBytes() const;

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
  struct Row {
    std::int64_t size;
    const char* name;
    std::uint32_t nameLength;
    std::uint32_t folder;  // index into folders_
    std::int32_t time;
    Status status;
    bool checked;
  };
  struct Text {
    const char* data;
    std::size_t length;
    std::string_view view() const { return {data, length}; }
  };

  // Copies `text` into the arena; the copy never moves.
  const char* store(std::string_view text);
  std::uint32_t intern(std::string_view folder);
  void schedulePublish();
  void markChanged(int first, int last);

  std::vector<Row> rows_;
  std::vector<Text> folders_;
  std::unordered_map<std::string_view, std::uint32_t> folderIndex_;
  std::uint32_t lastFolder_ = UINT32_MAX;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockBytes_ = 0;  // sum of the blocks' sizes
  char* blockFree_ = nullptr;
  std::size_t blockLeft_ = 0;

  int published_ = 0;  // rows the views know of
  int changedFirst_ = -1;
  int changedLast_ = -1;
  bool publishScheduled_ = false;
  std::uint64_t generation_ = 0;
};

}  // namespace norvane
