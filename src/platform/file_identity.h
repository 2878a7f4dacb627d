#pragma once
// Which file system object a name led to: its device and inode number. Two looks at a path
// that give the same identity saw the same folder or file, whatever happened to the path.
#include <cstdint>

namespace norvane {

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;

  // No object has inode 0: an identity never read matches nothing.
  bool known() const { return inode != 0; }
  bool operator==(const FileIdentity&) const = default;
};

}  // namespace norvane
