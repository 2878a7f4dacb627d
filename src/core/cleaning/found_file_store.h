#pragma once
// The rows of a junk scan's result, one per found file, kept compactly: names and folders live
// in a shared text arena, each folder once with its identity; size, time, the file's identity,
// status and check mark sit in a fixed 48-byte record. Qt-free: the file list's table model
// shows these rows, and a command-line cleaner can keep them the same way.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/file_ops.h"

namespace norvane {

// What became of a found file: not yet tried, or the outcome of a deletion attempt.
enum class FoundFileStatus : std::uint8_t { None, Missing, Deleted, RestartDelete, Failed };

// The words the file list shows for a status: "文件不存在", "删除成功", "重启删除", "删除失败"
// ("" for None).
std::string_view foundFileStatusText(FoundFileStatus status);

// The sentence that ends a deletion of found files: "文件清理完成，共释放<size>磁盘空间。",
// the size as ConFileSize writes it.
std::string cleaningDoneText(std::int64_t freedBytes);

class FoundFileStore {
 public:
  FoundFileStore();
  ~FoundFileStore();
  FoundFileStore(const FoundFileStore&) = delete;
  FoundFileStore& operator=(const FoundFileStore&) = delete;

  // Adds an unchecked row. `folder` ends with the separator, so folder + name is the path;
  // the identities are those the folder and the file had when they were found, which a
  // deletion checks.
  void append(std::string_view folder, std::string_view name, std::int64_t size,
              std::int32_t dosTime, FileIdentity folderIdentity, FileIdentity fileIdentity);
  // Removes every row and gives the memory back.
  void clear();

  int size() const { return static_cast<int>(rows_.size()); }
  std::string_view name(int row) const;
  std::string_view folder(int row) const;
  std::string path(int row) const;
  // The row's file as the deletion asks about it.
  ScannedFile scannedFile(int row) const;
  std::int64_t fileSize(int row) const { return at(row).size; }
  std::int32_t dosTime(int row) const { return at(row).time; }
  FoundFileStatus status(int row) const { return at(row).status; }
  void setStatus(int row, FoundFileStatus status) { at(row).status = status; }
  bool isChecked(int row) const { return at(row).checked; }
  void setChecked(int row, bool checked) { at(row).checked = checked; }
  void checkAll();
  void invertChecks();

  // Bytes held for the rows, folders and texts.
  std::size_t memoryBytes() const;

 private:
  struct Row {
    std::int64_t size;
    FileIdentity identity;
    const char* name;
    std::uint32_t nameLength;
    std::uint32_t folder;  // index into folders_
    std::int32_t time;
    FoundFileStatus status;
    bool checked;
  };
  struct Folder {
    const char* data;
    std::size_t length;
    FileIdentity identity;
    std::string_view view() const { return {data, length}; }
  };

  Row& at(int row) { return rows_[static_cast<std::size_t>(row)]; }
  const Row& at(int row) const { return rows_[static_cast<std::size_t>(row)]; }
  // Copies `text` into the arena; the copy never moves.
  const char* store(std::string_view text);
  std::uint32_t intern(std::string_view folder, const FileIdentity& identity);

  std::vector<Row> rows_;
  std::vector<Folder> folders_;
  std::unordered_map<std::string_view, std::uint32_t> folderIndex_;
  std::uint32_t lastFolder_ = UINT32_MAX;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockBytes_ = 0;  // sum of the blocks' sizes
  char* blockFree_ = nullptr;
  std::size_t blockLeft_ = 0;
};

}  // namespace norvane
