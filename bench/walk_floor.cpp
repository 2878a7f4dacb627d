// The fastest a walk can go on this machine, as a yardstick for the engine: threads take
// folders from one shared queue in no particular order, list them with getdents64 and, with
// --sizes, statx every entry (else only folders); nothing is matched, kept or printed beyond one total. It stays on
// the starting file system and never follows links, like the engine, but keeps none of the
// engine's promises (order, events, abort), so the engine can only come near it.
//   norvane-walk-floor [--threads N] [--sizes] ROOT
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

struct LinuxDirent64 {
  ino64_t d_ino;
  off64_t d_off;
  unsigned short d_reclen;
  unsigned char d_type;
  char d_name[];
};

class FloorWalk {
 public:
  FloorWalk(bool sizes, dev_t device) : sizes_(sizes), device_(device) {}

  void run(int root, unsigned threads) {
    queue_.push_back(root);
    pending_ = 1;
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < threads; ++i) workers.emplace_back([this] { work(); });
    for (auto& w : workers) w.join();
  }

  std::uint64_t entries() const { return entries_; }
  std::uint64_t bytes() const { return bytes_; }

 private:
  void work() {
    std::vector<char> buffer(64 * 1024);
    std::uint64_t entries = 0, bytes = 0;
    for (;;) {
      int folder;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_.wait(lock, [this] { return !queue_.empty() || pending_ == 0; });
        if (queue_.empty()) break;
        folder = queue_.front();
        queue_.pop_front();
      }
      std::vector<int> below;
      for (;;) {
        const long n = syscall(SYS_getdents64, folder, buffer.data(), buffer.size());
        if (n <= 0) break;
        for (long at = 0; at < n;) {
          const auto* d = reinterpret_cast<const LinuxDirent64*>(buffer.data() + at);
          at += d->d_reclen;
          if (!std::strcmp(d->d_name, ".") || !std::strcmp(d->d_name, "..")) continue;
          ++entries;
          // Without --sizes only folders (and entries of unknown kind) are looked up, to keep
          // to this file system.
          bool isFolder = false;
          if (sizes_ || d->d_type == DT_DIR || d->d_type == DT_UNKNOWN) {
            struct statx st;
            if (statx(folder, d->d_name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                      STATX_TYPE | STATX_MODE | STATX_SIZE, &st) != 0)
              continue;
            bytes += st.stx_size;
            isFolder = S_ISDIR(st.stx_mode) &&
                       makedev(st.stx_dev_major, st.stx_dev_minor) == device_;
          }
          if (!isFolder) continue;
          const int child =
              openat(folder, d->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
          if (child >= 0) below.push_back(child);
        }
      }
      close(folder);
      {
        std::lock_guard<std::mutex> lock(mutex_);
        for (int child : below) queue_.push_back(child);
        pending_ += below.size();
        --pending_;
      }
      ready_.notify_all();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    entries_ += entries;
    bytes_ += bytes;
    ready_.notify_all();
  }

  const bool sizes_;
  const dev_t device_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<int> queue_;
  std::size_t pending_ = 0;  // folders queued or being read
  std::uint64_t entries_ = 0;
  std::uint64_t bytes_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  unsigned threads = 8;
  bool sizes = false;
  const char* root = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--threads") && i + 1 < argc) {
      threads = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    } else if (!std::strcmp(argv[i], "--sizes")) {
      sizes = true;
    } else if (argv[i][0] != '-' && !root) {
      root = argv[i];
    } else {
      std::fprintf(stderr, "usage: norvane-walk-floor [--threads N] [--sizes] ROOT\n");
      return 2;
    }
  }
  if (!root || threads == 0) {
    std::fprintf(stderr, "usage: norvane-walk-floor [--threads N] [--sizes] ROOT\n");
    return 2;
  }
  const int fd = open(root, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  struct stat st;
  if (fd < 0 || fstat(fd, &st) != 0) {
    std::perror(root);
    return 1;
  }
  FloorWalk walk(sizes, st.st_dev);
  walk.run(fd, threads);
  std::printf("entries=%llu bytes=%llu\n", static_cast<unsigned long long>(walk.entries()),
              static_cast<unsigned long long>(walk.bytes()));
  return 0;
}
