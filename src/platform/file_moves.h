#pragma once
// File-system steps of an in-place replacement of files: folders, renames that never replace,
// plain removal and flushing to disk. Links are never followed. Every call returns 0 or an
// errno-style code and never throws.
#include <cstdint>
#include <string>
#include <string_view>

namespace norvane {

class FileMoves {
 public:
  virtual ~FileMoves() = default;
  // Anything at `path`, a link counting as itself.
  virtual bool exists(const std::string& path) = 0;
  virtual bool isFolder(const std::string& path) = 0;
  // Creates one folder with `mode` (0700 for a private one); its parent must exist.
  virtual int makeFolder(const std::string& path, unsigned mode) = 0;
  // Removes a folder only when it is empty.
  virtual int removeEmptyFolder(const std::string& path) = 0;
  // Removes one file (or link) whatever its permission bits.
  virtual int removeFile(const std::string& path) = 0;
  // Renames; fails with EEXIST when something is at `to`.
  virtual int renameNoReplace(const std::string& from, const std::string& to) = 0;
  // Atomically puts `from` at `to`, replacing what is there. For the program's own small files.
  virtual int renameReplace(const std::string& from, const std::string& to) = 0;
  // Makes a file's content, or a folder's entries, durable.
  virtual int syncFile(const std::string& path) = 0;
  virtual int syncFolder(const std::string& path) = 0;
  // Creates a new file (failing when anything is at `path`), writes `content`, sets `mode`
  // and flushes it to disk.
  virtual int createFile(const std::string& path, std::string_view content, unsigned mode) = 0;
  // The permission bits of `path` (links not followed), and setting them.
  virtual int permissions(const std::string& path, unsigned& mode) = 0;
  virtual int setPermissions(const std::string& path, unsigned mode) = 0;
  // Reads a whole regular file of at most `maxBytes`.
  virtual int readFile(const std::string& path, std::string& content, std::size_t maxBytes) = 0;
  // A name in `folder` that nothing uses now; nothing is left at it.
  virtual std::string uniqueFileName(const std::string& folder) = 0;
};

}  // namespace norvane
