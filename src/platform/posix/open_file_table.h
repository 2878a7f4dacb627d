#pragma once
// Which files running processes hold open, seen through /proc/<pid>/fd and /proc/<pid>/maps.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <unordered_set>

namespace norvane {

class OpenFileTable {
 public:
  // `procRoot` is the folder that holds one sub-folder per process ("/proc" on a live
  // system). A snapshot of the open files is reused for up to `maxAge`; 0 scans on every
  // question.
  explicit OpenFileTable(std::string procRoot,
                         std::chrono::milliseconds maxAge = std::chrono::milliseconds(0));

  // True when some process has the file with this device and inode open or mapped.
  bool isOpen(dev_t device, ino_t inode);
  // Forgets the snapshot so the next question scans afresh.
  void invalidate() { valid_ = false; }

 private:
  struct Key {
    std::uint64_t device;
    std::uint64_t inode;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const {
      return std::hash<std::uint64_t>()(k.inode * 0x9E3779B97F4A7C15ULL ^ k.device);
    }
  };

  void rescan();
  void scanDescriptors(int procDir);
  void scanMappings(int procDir);

  std::string procRoot_;
  std::chrono::milliseconds maxAge_;
  std::chrono::steady_clock::time_point takenAt_;
  bool valid_ = false;
  std::unordered_set<Key, KeyHash> open_;
};

}  // namespace norvane
