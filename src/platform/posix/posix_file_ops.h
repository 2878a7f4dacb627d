#pragma once
// Deletion with the outcomes a Windows DeleteFile gives: a read-only file and a file that a
// running process holds open are refused. The folder is opened by its path and compared with
// the scanned folder's device and inode; the entry is looked up in that open folder without
// following a link and compared with the scanned file, and unlinked relative to the folder.
#include <chrono>
#include <string>

#include "platform/file_ops.h"
#include "platform/posix/open_file_table.h"

namespace norvane {

class PosixFileOps : public FileOps {
 public:
  // `procRoot` is where running processes are looked up. The snapshot of open files is
  // reused for `openFilesMaxAge` so deleting thousands of files doesn't rescan /proc for
  // each one; 0 rescans every time.
  explicit PosixFileOps(std::string procRoot = "/proc",
                        std::chrono::milliseconds openFilesMaxAge = std::chrono::milliseconds(500));

  bool fileExists(const ScannedFile& file) override;
  int fileSize(const ScannedFile& file, std::int64_t& size) override;
  DeleteOutcome deleteFile(const ScannedFile& file) override;
  DeleteOutcome previewDelete(const ScannedFile& file) override;

 private:
  OpenFileTable openFiles_;
};

}  // namespace norvane
