#include "core/cleaning/found_file_store.h"

#include <algorithm>
#include <cstring>

#include "core/shared/size_text.h"

namespace norvane {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

std::string_view foundFileStatusText(FoundFileStatus status) {
  switch (status) {
    case FoundFileStatus::Missing:
      return "文件不存在";
    case FoundFileStatus::Deleted:
      return "删除成功";
    case FoundFileStatus::RestartDelete:
      return "重启删除";
    case FoundFileStatus::Failed:
      return "删除失败";
    case FoundFileStatus::None:
      break;
  }
  return {};
}

std::string cleaningDoneText(std::int64_t freedBytes) {
  return "文件清理完成，共释放" + ConFileSize(freedBytes) + "磁盘空间。";
}

FoundFileStore::FoundFileStore() = default;

FoundFileStore::~FoundFileStore() = default;

const char* FoundFileStore::store(std::string_view text) {
  if (text.empty()) return "";
  if (text.size() > blockLeft_) {
    const std::size_t size = std::max(kBlockSize, text.size());
    blocks_.push_back(std::make_unique<char[]>(size));
    blockBytes_ += size;
    blockFree_ = blocks_.back().get();
    blockLeft_ = size;
  }
  char* copy = blockFree_;
  std::memcpy(copy, text.data(), text.size());
  blockFree_ += text.size();
  blockLeft_ -= text.size();
  return copy;
}

std::uint32_t FoundFileStore::intern(std::string_view folder, const FileIdentity& identity) {
  // Matches come folder by folder: most rows share the previous row's folder.
  auto same = [&](std::uint32_t i) {
    return folders_[i].identity == identity && folders_[i].view() == folder;
  };
  if (lastFolder_ < folders_.size() && same(lastFolder_)) return lastFolder_;
  const auto found = folderIndex_.find(folder);
  if (found != folderIndex_.end() && same(found->second)) return lastFolder_ = found->second;
  // A new folder, or one whose path led to another folder when it was scanned again: the
  // index keeps the latest.
  const Folder entry{store(folder), folder.size(), identity};
  const auto index = static_cast<std::uint32_t>(folders_.size());
  folders_.push_back(entry);
  folderIndex_.insert_or_assign(entry.view(), index);
  return lastFolder_ = index;
}

void FoundFileStore::append(std::string_view folder, std::string_view name, std::int64_t size,
                            std::int32_t dosTime, FileIdentity folderIdentity,
                            FileIdentity fileIdentity) {
  Row row{};
  row.size = size;
  row.identity = fileIdentity;
  row.folder = intern(folder, folderIdentity);
  row.name = store(name);
  row.nameLength = static_cast<std::uint32_t>(name.size());
  row.time = dosTime;
  row.status = FoundFileStatus::None;
  row.checked = false;
  rows_.push_back(row);
}

void FoundFileStore::clear() {
  // Swapped out rather than cleared, so the memory goes back too.
  std::vector<Row>().swap(rows_);
  std::vector<Folder>().swap(folders_);
  std::unordered_map<std::string_view, std::uint32_t>().swap(folderIndex_);
  lastFolder_ = UINT32_MAX;
  std::vector<std::unique_ptr<char[]>>().swap(blocks_);
  blockBytes_ = 0;
  blockFree_ = nullptr;
  blockLeft_ = 0;
}

std::string_view FoundFileStore::name(int row) const {
  const Row& r = at(row);
  return {r.name, r.nameLength};
}

std::string_view FoundFileStore::folder(int row) const { return folders_[at(row).folder].view(); }

std::string FoundFileStore::path(int row) const {
  std::string result(folder(row));
  result += name(row);
  return result;
}

ScannedFile FoundFileStore::scannedFile(int row) const {
  const Row& r = at(row);
  const Folder& f = folders_[r.folder];
  return ScannedFile{std::string(f.view()), std::string(r.name, r.nameLength), f.identity,
                     r.identity};
}

void FoundFileStore::checkAll() {
  for (Row& r : rows_) r.checked = true;
}

void FoundFileStore::invertChecks() {
  for (Row& r : rows_) r.checked = !r.checked;
}

std::size_t FoundFileStore::memoryBytes() const {
  // A hash node holds the key, the value, the link and the cached hash.
  constexpr std::size_t kNodeBytes =
      sizeof(std::string_view) + sizeof(std::uint32_t) + 2 * sizeof(void*) + sizeof(std::size_t);
  return rows_.capacity() * sizeof(Row) + folders_.capacity() * sizeof(Folder) + blockBytes_ +
         blocks_.capacity() * sizeof(blocks_[0]) + folderIndex_.size() * kNodeBytes +
         folderIndex_.bucket_count() * sizeof(void*);
}

}  // namespace norvane
