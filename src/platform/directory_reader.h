#pragma once
// Folder enumeration for the search engine: a folder is listed once into a compact buffer,
// entries are looked up (without following links) only when a record is needed, and walking
// goes from folder handle to folder handle so depth is not limited by the path length.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_identity.h"

namespace norvane {

// Attribute flags of an entry, with the values the search criteria test.
constexpr std::uint32_t kFileAttributeReadOnly = 0x1;
constexpr std::uint32_t kFileAttributeHidden = 0x2;
constexpr std::uint32_t kFileAttributeSystem = 0x4;
constexpr std::uint32_t kFileAttributeDirectory = 0x10;
constexpr std::uint32_t kFileAttributeArchive = 0x20;
constexpr std::uint32_t kFileAttributeTemporary = 0x100;
constexpr std::uint32_t kFileAttributeSparse = 0x200;
constexpr std::uint32_t kFileAttributeReparsePoint = 0x400;
constexpr std::uint32_t kFileAttributeCompressed = 0x800;
constexpr std::uint32_t kFileAttributeOffline = 0x1000;
constexpr std::uint32_t kFileAttributeEncrypted = 0x4000;

// What a look-up of one entry gives. Times are file times: 100 ns ticks since 1601-01-01 UTC.
struct FileRecord {
  std::uint32_t attributes = 0;
  std::int64_t size = 0;
  std::uint64_t creationTime = 0;
  std::uint64_t lastAccessTime = 0;
  std::uint64_t lastWriteTime = 0;
  FileIdentity identity;
};

// What the listing itself tells about an entry, before any look-up.
enum class EntryKind : std::uint8_t { Unknown, Directory, NotDirectory };

// The entries of one folder, names packed in one buffer (each NUL-terminated) so a listing
// costs no allocation per entry once its buffers have grown.
class DirectoryListing {
 public:
  void clear() {
    entries_.clear();
    names_.clear();
  }
  void add(const char* name, std::size_t length, EntryKind kind) {
    entries_.push_back(
        Entry{static_cast<std::uint32_t>(names_.size()), static_cast<std::uint32_t>(length), kind});
    names_.insert(names_.end(), name, name + length);
    names_.push_back('\0');
  }
  // Room for `entries` more entries with `nameBytes` more bytes of names (growing at least
  // twofold, so that many calls cost no more than one).
  void reserve(std::size_t entries, std::size_t nameBytes) {
    grow(entries_, entries);
    grow(names_, nameBytes);
  }
  std::size_t size() const { return entries_.size(); }
  const char* name(std::size_t i) const { return names_.data() + entries_[i].offset; }
  std::string_view nameView(std::size_t i) const {
    return std::string_view(names_.data() + entries_[i].offset, entries_[i].length);
  }
  EntryKind kind(std::size_t i) const { return entries_[i].kind; }
  // The bytes its buffers take.
  std::size_t memoryUsage() const {
    return entries_.capacity() * sizeof(Entry) + names_.capacity();
  }
  void swap(DirectoryListing& other) noexcept {
    entries_.swap(other.entries_);
    names_.swap(other.names_);
  }

 private:
  struct Entry {
    std::uint32_t offset;
    std::uint32_t length;
    EntryKind kind;
  };
  template <typename T>
  static void grow(std::vector<T>& v, std::size_t more) {
    if (v.capacity() - v.size() < more) v.reserve(std::max(v.size() + more, 2 * v.capacity()));
  }

  std::vector<Entry> entries_;
  std::vector<char> names_;
};

// A file opened for reading; other processes may read and write it meanwhile.
class ReadableFile {
 public:
  virtual ~ReadableFile() = default;
  virtual std::int64_t size() const = 0;
  // Reads up to `count` bytes; gives the number read, 0 at the end, -1 on failure.
  virtual std::int64_t read(char* buffer, std::int64_t count) = 0;
};

enum class OpenResult {
  Opened,      // the folder can be listed
  Unreadable,  // it is a folder (or was named as one) but can't be opened: missing, no access
  Skipped,     // never to be entered: a link, not a folder, or another mount
};

// An open folder during a walk. Children must be destroyed before their parent.
class Directory {
 public:
  virtual ~Directory() = default;
  // The folder itself, as it was opened; unknown where the enumeration can't tell.
  virtual FileIdentity identity() const { return {}; }
  // Replaces `out` with every entry except "." and "..", in the file system's order.
  // False when the folder could not be read to its end (what was read stays in `out`).
  virtual bool list(DirectoryListing& out) = 0;
  // Looks up one entry without following a link. False when it is gone.
  virtual bool stat(const char* name, FileRecord& out) = 0;
  // Opens a sub-folder for walking; `out` is set only for Opened.
  virtual OpenResult openChild(const char* name, std::unique_ptr<Directory>& out) = 0;
  // Opens a sub-folder with the same checks as openChild, as the start of a walk of its own
  // that shares nothing with this one, so it may be handed to another thread. "." opens this
  // folder once more. Several threads may call openIndependentChild, stat and openFile on one
  // folder at once; list and openChild stay for one thread at a time.
  virtual OpenResult openIndependentChild(const char* name, std::unique_ptr<Directory>& out) {
    return openChild(name, out);
  }
  // Opens a regular file of this folder for reading; null when that is not possible
  // (links, pipes and devices are never opened).
  virtual std::unique_ptr<ReadableFile> openFile(const char* name) = 0;
};

class DirectoryReader {
 public:
  virtual ~DirectoryReader() = default;
  // Opens a folder named by an absolute path, as the root of a walk. Links in the path are
  // followed: the caller named it; below it nothing is.
  virtual OpenResult openFolder(const std::string& path, std::unique_ptr<Directory>& out) = 0;
  // Opens a regular file by path; null when that is not possible.
  virtual std::unique_ptr<ReadableFile> openFile(const std::string& path) = 0;
  // The process's current folder, without a trailing separator (except for the root).
  virtual std::string currentDirectory() = 0;
  // Where the folder at the absolute `path` really is, links in the path resolved; `path`
  // itself when that can't be told.
  virtual std::string realFolderPath(const std::string& path) { return path; }
};

// The enumeration of the machine the program runs on.
std::shared_ptr<DirectoryReader> makeHostDirectoryReader();

}  // namespace norvane
