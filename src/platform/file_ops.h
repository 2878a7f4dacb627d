#pragma once
// Found files: presence, size and permanent deletion, with the outcomes the file list reports.
// Nothing here throws; every failure comes back as a status and an errno-style code.
#include <cstdint>
#include <string>

#include "platform/file_identity.h"

namespace norvane {

enum class DeleteStatus {
  Deleted,
  NotFound,      // nothing there, or no longer the file that was scanned
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

// A file as a scan found it: the folder it was found in (ending with the separator), its
// name there, and the identities both had at the time.
struct ScannedFile {
  std::string folder;
  std::string name;
  FileIdentity folderIdentity;
  FileIdentity fileIdentity;
  std::string path() const { return folder + name; }
};

// Every question is about a scanned file, and asked afresh: the folder path is opened and must
// still lead to the folder that was scanned, and the name in it to the file that was found (a
// link as itself). A folder or file that changed since counts as gone, so that nothing but the
// scanned file is ever deleted, whatever was swapped in on the way meanwhile.
class FileOps {
 public:
  virtual ~FileOps() = default;
  // True when the scanned file is still there, and is not a folder.
  virtual bool fileExists(const ScannedFile& file) = 0;
  // Its size as the folder listing reports it. Returns 0 and sets `size`, ENOENT when it is
  // gone or changed, or another errno-style code.
  virtual int fileSize(const ScannedFile& file, std::int64_t& size) = 0;
  // Removes it permanently, by its name in the opened and checked folder; NotFound when it is
  // gone or changed. Never recursive, never a folder.
  virtual DeleteOutcome deleteFile(const ScannedFile& file) = 0;
  // The outcome deleteFile would have now, deleting nothing: the same checks, and whether the
  // folder lets the name be removed.
  virtual DeleteOutcome previewDelete(const ScannedFile& file) = 0;
};

}  // namespace norvane
