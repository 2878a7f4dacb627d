#pragma once
// Single files: presence, size and permanent deletion, with the outcomes the file list reports.
// Nothing here throws; every failure comes back as a status and an errno-style code.
#include <cstdint>
#include <string>

namespace norvane {

enum class DeleteStatus {
  Deleted,
  NotFound,      // nothing at the path
  IsDirectory,   // a folder is never deleted by this service
  ReadOnly,      // the read-only attribute (owner-write bit clear) blocks deletion
  InUse,         // a running process holds the file open
  AccessDenied,  // the folder or the file system refuses
  Failed,        // anything else
};

struct DeleteOutcome {
  DeleteStatus status = DeleteStatus::Failed;
  int code = 0;  // errno-style; 0 when deleted
  bool deleted() const { return status == DeleteStatus::Deleted; }
};

class FileOps {
 public:
  virtual ~FileOps() = default;
  // True when anything, a folder included, is at `path`; a link counts as itself, so a
  // dangling link exists.
  virtual bool exists(const std::string& path) = 0;
  // True when something other than a folder is at `path` (links as themselves).
  virtual bool fileExists(const std::string& path) = 0;
  // The size as the folder listing reports it, links not followed. Returns 0 and sets
  // `size`, or an errno-style code.
  virtual int fileSize(const std::string& path, std::int64_t& size) = 0;
  // Removes one file, or one link as itself, permanently. Never recursive, never a folder.
  virtual DeleteOutcome deleteFile(const std::string& path) = 0;
};

}  // namespace norvane
