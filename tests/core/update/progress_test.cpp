#include "core/update/progress.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(ProgressFigures, OverallPercentCountsFinishedFilesAndTheCurrentOne) {
  // Two files of 1,000 and 3,000 bytes; the first finished, 1,500 of the second received.
  ProgressEx p;
  p.totalSize = 4000;
  p.totalDone = 1000 + 1500;
  p.fileSize = 3000;
  p.fileDone = 1500;
  p.startTick = 1000;
  const ProgressFigures f = progressFigures(p, 1000 + 500);
  EXPECT_EQ(f.multiProgress, 62);
  EXPECT_EQ(f.singleProgress, 50);
  EXPECT_EQ(f.speed, 5u);        // 2,500 bytes in 500 ms
  EXPECT_EQ(f.remnantTime, 0u);  // (4000 div 5 − 500) div 1000
}

TEST(ProgressFigures, NoTimeNoSizeNoEstimate) {
  ProgressEx p;
  p.startTick = 77;
  p.totalDone = 100;
  const ProgressFigures f = progressFigures(p, 77);
  EXPECT_EQ(f.speed, 0u);
  EXPECT_EQ(f.remnantTime, kNoEstimate);
  EXPECT_EQ(f.singleProgress, 0);
  EXPECT_EQ(f.multiProgress, 0);
}

TEST(ProgressFigures, TickCountWrapsAndLongRunsGiveSeconds) {
  ProgressEx p;
  p.startTick = 0xFFFFFF00u;
  p.totalSize = 100'000'000;
  p.totalDone = 1'000'000;
  // 0x100 + 744 = 1000 ms after the start, across the wrap.
  const ProgressFigures f = progressFigures(p, 744);
  EXPECT_EQ(f.speed, 1000u);
  EXPECT_EQ(f.remnantTime, 99u);  // (100,000,000 div 1000 − 1000) div 1000
}

TEST(ProgressFigures, OverflowingProductGivesZeroAndLowBitsArePassedOn) {
  EXPECT_EQ(percentOf(INT64_MAX / 10, 1), 0);
  // 6 GB done of 1 byte: the percent doesn't fit 32 bits; its low 32 bits are passed on.
  EXPECT_EQ(percentOf(6'000'000'000LL, 100),
            static_cast<std::int32_t>(6'000'000'000LL & 0xFFFFFFFF));
  // A run that took longer than its estimate gives a negative remainder, passed on as its bits.
  EXPECT_EQ(calcRemnantTime(1000, 1, 3000), static_cast<std::uint32_t>(-2));
}

}  // namespace
}  // namespace norvane
