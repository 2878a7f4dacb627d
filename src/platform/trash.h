#pragma once
// The recycle bins of every drive, taken together.
#include <cstdint>

namespace norvane {

struct TrashContents {
  std::int64_t size = 0;
  std::int64_t items = 0;
};

class Trash {
 public:
  virtual ~Trash() = default;
  // False when the bins can't be queried on this system at all.
  virtual bool available() = 0;
  // 0 on success, an error code otherwise.
  virtual int query(TrashContents& out) = 0;
  // 0 when every bin was emptied, an error code otherwise. Never follows a link.
  virtual int empty() = 0;
};

}  // namespace norvane
