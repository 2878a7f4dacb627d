#include "core/search/read_ahead_options.h"

#include <algorithm>
#include <thread>

namespace norvane {

// Measured on a 2-core machine over 20,000 folders: with the page cache cold, 8 threads read
// 2.4 times as fast as the walk alone and 16 hardly faster; warm, one or two threads do best
// and 8 cost a fifth more, still far ahead of the walk alone. So one thread per core reads
// while the cache answers, and all of them once reads wait for storage. Neither a bigger
// buffer nor more open folders than these made a difference.
ReadAheadOptions ReadAheadOptions::defaults() {
  ReadAheadOptions options;
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  options.threads = std::clamp(4 * cores, 4u, 16u);
  options.quietThreads = std::min(cores, options.threads);
  options.bufferBytes = 4 * 1024 * 1024;
  options.openFolders = 128;
  return options;
}

}  // namespace norvane
