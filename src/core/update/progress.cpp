#include "core/update/progress.h"

namespace norvane {

std::int32_t percentOf(std::int64_t done, std::int64_t size) {
  if (size <= 0) return 0;
  std::int64_t product = 0;
  if (__builtin_mul_overflow(done, std::int64_t{100}, &product)) return 0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(product / size));
}

std::uint32_t calcSpeed(std::int64_t totalDone, std::uint32_t elapsedMs) {
  if (elapsedMs == 0) return 0;
  return static_cast<std::uint32_t>(totalDone / static_cast<std::int64_t>(elapsedMs));
}

std::uint32_t calcRemnantTime(std::int64_t totalSize, std::uint32_t speed,
                              std::uint32_t elapsedMs) {
  if (speed == 0) return kNoEstimate;
  const std::int64_t remaining =
      (totalSize / static_cast<std::int64_t>(speed) - static_cast<std::int64_t>(elapsedMs)) / 1000;
  return static_cast<std::uint32_t>(remaining);
}

ProgressFigures progressFigures(const ProgressEx& progress, std::uint32_t nowTick) {
  ProgressFigures figures;
  figures.singleProgress = percentOf(progress.fileDone, progress.fileSize);
  figures.multiProgress = percentOf(progress.totalDone, progress.totalSize);
  // Unsigned subtraction: the tick count wraps every 49.7 days.
  const std::uint32_t elapsed = nowTick - progress.startTick;
  figures.speed = calcSpeed(progress.totalDone, elapsed);
  figures.remnantTime = calcRemnantTime(progress.totalSize, figures.speed, elapsed);
  return figures;
}

}  // namespace norvane
