#include "core/shared/size_text.h"

#include <gtest/gtest.h>

#include <cstdint>

using norvane::ConFileSize;

TEST(SizeText, BytesBelowOneKilobyteIncludingNegatives) {
  EXPECT_EQ(ConFileSize(0, '.'), "0 byte");
  EXPECT_EQ(ConFileSize(1023, '.'), "1023 byte");
  EXPECT_EQ(ConFileSize(-1, '.'), "-1 byte");
  EXPECT_EQ(ConFileSize(INT64_MIN, '.'), "-9223372036854775808 byte");
}

TEST(SizeText, UnitIsChosenBeforeRounding) {
  EXPECT_EQ(ConFileSize(1024, '.'), "1.00 KB");
  EXPECT_EQ(ConFileSize(1536, '.'), "1.50 KB");
  EXPECT_EQ(ConFileSize(1048575, '.'), "1024.00 KB");
  EXPECT_EQ(ConFileSize(1048576, '.'), "1.00 MB");
  EXPECT_EQ(ConFileSize(1073741823, '.'), "1024.00 MB");
  EXPECT_EQ(ConFileSize(1073741824, '.'), "1.00 GB");
  EXPECT_EQ(ConFileSize(5LL << 40, '.'), "5120.00 GB");
  EXPECT_EQ(ConFileSize(INT64_MAX, '.'), "8589934592.00 GB");
}

TEST(SizeText, HalvesRoundAwayFromZero) {
  // 1152 / 1024 = 1.125 exactly: printf alone would give 1.12.
  EXPECT_EQ(ConFileSize(1152, '.'), "1.13 KB");
  EXPECT_EQ(ConFileSize(1029, '.'), "1.00 KB");  // 1.0048...
}

TEST(SizeText, LocaleDecimalSeparator) {
  EXPECT_EQ(ConFileSize(1536, ','), "1,50 KB");
}
