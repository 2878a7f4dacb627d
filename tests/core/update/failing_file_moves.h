#pragma once
// FileMoves over the real file system, with chosen renames made to fail (a locked file, a disk
// that refuses) and every call counted.
#include <functional>
#include <set>
#include <string>

#include "platform/posix/posix_file_moves.h"

namespace norvane::test {

class FailingFileMoves : public PosixFileMoves {
 public:
  // Renames of these files fail with EACCES (a locked file, a disk that refuses).
  std::set<std::string> refuseRenameFrom;
  int renames = 0;

  int renameNoReplace(const std::string& from, const std::string& to) override {
    ++renames;
    if (refuseRenameFrom.count(from) != 0) return 13;
    return PosixFileMoves::renameNoReplace(from, to);
  }
};

}  // namespace norvane::test
