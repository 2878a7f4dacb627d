#pragma once
// The download progress record and the integer arithmetic of the second progress event.
#include <cstdint>

namespace norvane {

struct ProgressEx {
  std::uint32_t startTick = 0;  // tick count when downloading began
  std::int32_t fileCount = 0;
  std::int64_t totalSize = 0;  // sum of the sizes the server announced
  std::int64_t totalDone = 0;  // finished files plus the current file's bytes so far
  std::int64_t fileSize = 0;   // the current file's size as its download reports it
  std::int64_t fileDone = 0;
};

// Values of the second progress event. All arithmetic is 64-bit signed and truncating; each
// result is passed on as its low 32 bits.
struct ProgressFigures {
  std::int32_t singleProgress = 0;  // percent of the current file
  std::int32_t multiProgress = 0;   // percent of the whole run
  std::uint32_t remnantTime = 0;    // seconds left; kNoEstimate when unknown
  std::uint32_t speed = 0;          // bytes per millisecond
};

inline constexpr std::uint32_t kNoEstimate = 4294967295u;

// `done` × 100 div `size` when `size` > 0, else 0; 0 also when the product overflows.
std::int32_t percentOf(std::int64_t done, std::int64_t size);
// Bytes per millisecond, 0 when no time has passed.
std::uint32_t calcSpeed(std::int64_t totalDone, std::uint32_t elapsedMs);
// (totalSize div speed − elapsed) div 1000, or kNoEstimate when the speed is 0.
std::uint32_t calcRemnantTime(std::int64_t totalSize, std::uint32_t speed, std::uint32_t elapsedMs);
ProgressFigures progressFigures(const ProgressEx& progress, std::uint32_t nowTick);

}  // namespace norvane
