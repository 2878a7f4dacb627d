#pragma once
// Scheduling priority of the calling thread.

namespace norvane {

// `level` uses the Windows thread priority values: -15 idle, -2 lowest, -1 lower, 0 normal,
// 1 higher, 2 highest, 15 time-critical. A priority the process may not take is ignored.
void setCurrentThreadPriority(int level);

}  // namespace norvane
