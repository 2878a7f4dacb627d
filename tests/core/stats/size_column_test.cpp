// The size column of the folder statistics: size text, two blanks, the share in parentheses.
#include "core/stats/size_column.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace norvane {
namespace {

TEST(SizeColumn, SizeTextThenShareWithTwoDecimals) {
  EXPECT_EQ(sizeColumnText(0, 1000, '.'), "0 byte  (0.00%)");
  EXPECT_EQ(sizeColumnText(1536, 1536 * 4, '.'), "1.50 KB  (25.00%)");
  EXPECT_EQ(sizeColumnText(1536, 1536 * 4, ','), "1,50 KB  (25,00%)");
  // 1/3 of the partition, and a share below one hundredth of a percent.
  EXPECT_EQ(sizeColumnText(1, 3, '.'), "1 byte  (33.33%)");
  EXPECT_EQ(sizeColumnText(5, 1000000, '.'), "5 byte  (0.00%)");
  // Hard links counted once per name can add up to more than the partition holds.
  EXPECT_EQ(sizeColumnText(2048, 1024, '.'), "2.00 KB  (200.00%)");
}

TEST(SizeColumn, HugeCountsDoNotOverflow) {
  const std::int64_t max = std::numeric_limits<std::int64_t>::max();
  // bytes * 100 does not fit 64 bits here.
  EXPECT_EQ(sizeColumnText(max / 2, max, '.'), "4294967296.00 GB  (50.00%)");
}

TEST(SizeColumn, UnknownOrZeroPartitionSizeSaysSoInsteadOfDividing) {
  const std::string unknown = std::string("  (") + kUnknownShareText + ")";
  EXPECT_EQ(sizeColumnText(1536, -1, '.'), "1.50 KB" + unknown);
  EXPECT_EQ(sizeColumnText(0, 0, '.'), "0 byte" + unknown);
  EXPECT_EQ(unknown, "  (分区大小未知)");
}

}  // namespace
}  // namespace norvane
