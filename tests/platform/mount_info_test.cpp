#include "platform/posix/mount_info.h"

#include <gtest/gtest.h>

using norvane::MountInfo;

TEST(MountInfo, ParsesFieldsAroundOptionalTags) {
  auto e = MountInfo::parseLine(
      "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 shared:7 - ext3 /dev/root rw,errors=continue");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->major, 98u);
  EXPECT_EQ(e->minor, 0u);
  EXPECT_EQ(e->root, "/mnt1");
  EXPECT_EQ(e->mountPoint, "/mnt2");
  EXPECT_EQ(e->fsType, "ext3");
  EXPECT_EQ(e->source, "/dev/root");

  e = MountInfo::parseLine("26 1 254:0 / / rw,relatime - ext4 /dev/vda rw");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->mountPoint, "/");
  EXPECT_EQ(e->source, "/dev/vda");
}

TEST(MountInfo, DecodesOctalEscapesInPaths) {
  auto e = MountInfo::parseLine(
      "40 26 8:17 /sub\\134dir /media/my\\040disk\\011tab\\012nl rw - vfat /dev/sd\\040b1 rw");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->mountPoint, "/media/my disk\ttab\nnl");
  EXPECT_EQ(e->root, "/sub\\dir");
  EXPECT_EQ(e->source, "/dev/sd b1");
  // A backslash without three octal digits stays as it is.
  EXPECT_EQ(MountInfo::decodeField("a\\09b\\"), "a\\09b\\");
  EXPECT_EQ(MountInfo::decodeField("\\303\\251"), "\xC3\xA9");
}

TEST(MountInfo, SkipsMalformedLinesButKeepsTheRest) {
  const auto entries = MountInfo::parse(
      "garbage\n"
      "1 2 x:y / /bad rw - ext4 /dev/sda1 rw\n"              // bad device number
      "1 2 8:1 / /nosep rw ext4 /dev/sda1 rw more fields\n"  // no separator
      "1 2 8:1 / /short rw - ext4\n"                         // no source
      "\n"
      "27 26 8:2 / /home rw,relatime - ext4 /dev/sda2 rw\r\n"
      "28 26 8:3 / /data rw - xfs /dev/sda3 rw");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].mountPoint, "/home");
  EXPECT_EQ(entries[0].source, "/dev/sda2");
  EXPECT_EQ(entries[1].fsType, "xfs");
}

TEST(MountInfo, LaterMountOnTheSamePointHidesTheEarlier) {
  const auto visible = MountInfo::visible(MountInfo::parse(
      "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
      "2 1 8:2 / /mnt rw - ext4 /dev/sda2 rw\n"
      "3 1 8:5 / /srv rw - ext4 /dev/sda5 rw\n"
      "4 2 8:3 / /mnt rw - xfs /dev/sda3 rw\n"));
  ASSERT_EQ(visible.size(), 3u);
  EXPECT_EQ(visible[0].mountPoint, "/");
  EXPECT_EQ(visible[1].mountPoint, "/srv");
  EXPECT_EQ(visible[2].source, "/dev/sda3");
}
