#pragma once
// FileMoves on Linux: renameat2(RENAME_NOREPLACE), unlink, rmdir, fsync.
#include "platform/file_moves.h"

namespace norvane {

class PosixFileMoves : public FileMoves {
 public:
  bool exists(const std::string& path) override;
  bool isFolder(const std::string& path) override;
  int makeFolder(const std::string& path, unsigned mode) override;
  int removeEmptyFolder(const std::string& path) override;
  int removeFile(const std::string& path) override;
  int renameNoReplace(const std::string& from, const std::string& to) override;
  int renameReplace(const std::string& from, const std::string& to) override;
  int syncFile(const std::string& path) override;
  int syncFolder(const std::string& path) override;
  int createFile(const std::string& path, std::string_view content, unsigned mode) override;
  int permissions(const std::string& path, unsigned& mode) override;
  int setPermissions(const std::string& path, unsigned mode) override;
  int readFile(const std::string& path, std::string& content, std::size_t maxBytes) override;
  std::string uniqueFileName(const std::string& folder) override;
};

}  // namespace norvane
