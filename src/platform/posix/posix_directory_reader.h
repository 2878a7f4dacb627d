#pragma once
// Linux enumeration: getdents64 into one buffer per listing, statx without following links,
// openat-relative walking. A walk never enters a link or another mount below its root, and
// keeps a bounded number of folder descriptors open however deep the tree is.
#include "platform/directory_reader.h"

namespace norvane {

class PosixDirectoryReader : public DirectoryReader {
 public:
  OpenResult openFolder(const std::string& path, std::unique_ptr<Directory>& out) override;
  std::unique_ptr<ReadableFile> openFile(const std::string& path) override;
  std::string currentDirectory() override;
  std::string realFolderPath(const std::string& path) override;

  // Most folder descriptors one walk keeps open; deeper folders are closed while their
  // sub-folders are walked and reopened through ".." afterwards.
  static constexpr std::size_t kOpenFolderBudget = 64;
};

}  // namespace norvane
