#include "core/update/download_info.h"

#include <gtest/gtest.h>

#include "core/update/version_check.h"
#include "core/update/version_date.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::TempDir;

DownloadInfo parse(const std::string& text) {
  TempDir dir;
  return DownloadInfo::fromFile(dir.writeFile("updata.txt", text));
}

const RunningVersion kWindowVersion{VersionPattern::ByNumber, 1, 39397.12686739583};

TEST(DownloadInfo, VersionNumbersAndPatterns) {
  const DownloadInfo two = parse("[Version]\nVersion=2\n[Files]\n%App%/a=http://h/a\n");
  EXPECT_EQ(two.pattern, 1);
  EXPECT_EQ(two.versionAsNumber, 2);
  EXPECT_TRUE(offersUpdate(two, kWindowVersion));
  EXPECT_FALSE(offersUpdate(parse("[Version]\nVersion=1\n[Files]\na=b\n"), kWindowVersion));
  EXPECT_EQ(parse("[version]\npattern = 1\nversion = 0x10\n").versionAsNumber, 16);
  // Not a number: the default 1, never newer than the running 1.
  const DownloadInfo text = parse("[Version]\nPattern=1\nVersion=abc\n[Files]\na=b\n");
  EXPECT_EQ(text.versionAsNumber, 1);
  EXPECT_FALSE(offersUpdate(text, kWindowVersion));
  // Only the low 8 bits of the pattern count; any other pattern reads no version.
  const DownloadInfo wrapped = parse("[Version]\nPattern=256\nVersion=2008-03-01\n");
  EXPECT_EQ(wrapped.pattern, 0);
  EXPECT_DOUBLE_EQ(wrapped.versionAsDateTime, 39508.0);
  const DownloadInfo seven = parse("[Version]\nPattern=7\nVersion=9\n[Files]\na=b\n");
  EXPECT_EQ(seven.pattern, 7);
  EXPECT_EQ(seven.versionAsNumber, 0);
}

TEST(DownloadInfo, DatesAndWhatADatePatternComparesAgainst) {
  const DownloadInfo dated =
      parse("[Version]\nPattern=0\nVersion=2007-11-11 03:02:41\n[Files]\na=b\n");
  EXPECT_NEAR(dated.versionAsDateTime, 39397.12686739583, 1.0 / 86400);
  EXPECT_DOUBLE_EQ(parse("[Version]\nPattern=0\nVersion=yesterday\n").versionAsDateTime, 0.0);
  RunningVersion byDate{VersionPattern::ByDateTime, 1, 39397.0};
  EXPECT_TRUE(offersUpdate(dated, byDate));
  byDate.dateTime = dated.versionAsDateTime;
  EXPECT_FALSE(offersUpdate(dated, byDate));  // strictly later only
  // The file's pattern and the running one disagree: the compared field is empty.
  EXPECT_FALSE(offersUpdate(dated, kWindowVersion));
  EXPECT_EQ(parseVersionDate("2008/3/1"), 39508.0);
  EXPECT_FALSE(parseVersionDate("2008-02-30"));
  EXPECT_FALSE(parseVersionDate("2008-03-01 25:00"));
  const double now = localNowAsDateTime();
  EXPECT_GT(now, 46000.0);  // after 2025
}

TEST(DownloadInfo, FilesInOrderEmptyValuesCountValuesCut) {
  const std::string longValue(3000, 'u');
  const DownloadInfo info =
      parse("[Version]\nVersion=5\n[Files]\n%App%/b=http://h/b\n%App%/a=\n %App%/c = " + longValue +
            "\n[Other]\nx=y\n");
  ASSERT_EQ(info.lines.size(), 3u);
  EXPECT_EQ(info.lines[0], "%App%/b=http://h/b");
  EXPECT_EQ(info.lines[1], "%App%/a=");
  EXPECT_EQ(info.lines[2], "%App%/c=" + std::string(2047, 'u'));
  EXPECT_EQ(entryName(info.lines[0]), "%App%/b");
  EXPECT_EQ(entryAddress(info.lines[0]), "http://h/b");
  // A newer version without files is no update.
  EXPECT_FALSE(offersUpdate(parse("[Version]\nVersion=5\n[Files]\n"), kWindowVersion));
  EXPECT_TRUE(parse("").lines.empty());
  TempDir dir;
  EXPECT_TRUE(DownloadInfo::fromFile(dir / "missing.txt").lines.empty());
}

}  // namespace
}  // namespace norvane
