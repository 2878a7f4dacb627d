#pragma once
// How far the search reads folders ahead of its walk, on how many threads.
#include <cstddef>

namespace norvane {

struct ReadAheadOptions {
  // Threads that read folders ahead of the walk; 0: the walk reads every folder itself.
  unsigned threads = 0;
  // Of those, how many read while reads don't wait for storage (a warm cache, where more
  // threads only take turns on the cores); the others join once reads wait. 0: all of them.
  unsigned quietThreads = 0;
  // Most bytes of listings and look-ups read ahead and not yet walked.
  std::size_t bufferBytes = 0;
  // Most folders the read-ahead keeps open at once (besides those of the walk itself).
  std::size_t openFolders = 0;

  bool enabled() const { return threads > 0; }

  // What the programs use: enough threads to keep slow storage busy, a few MiB of buffer.
  static ReadAheadOptions defaults();
  static ReadAheadOptions off() { return ReadAheadOptions{}; }
};

}  // namespace norvane
