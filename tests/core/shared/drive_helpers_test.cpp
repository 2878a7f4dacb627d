#include "core/shared/drive_helpers.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "platform/posix/linux_volumes.h"
#include "support/temp_dir.h"

using namespace norvane;

namespace {

// Drives held in memory; records the letters it is asked about.
class FakeVolumes : public Volumes {
 public:
  struct Drive {
    std::string root;
    bool spaceReadable = true;
    DiskSpace space;
    bool factsReadable = true;
    VolumeFacts facts;
  };
  std::map<char, Drive> drives;
  std::string asked;

  bool isFixedDrive(char letter) override { return drives.count(letter) > 0; }
  std::string rootPath(char letter) override {
    auto it = drives.find(letter);
    return it == drives.end() ? "" : it->second.root;
  }
  bool diskSpace(char letter, DiskSpace& out) override {
    asked += letter;
    auto it = drives.find(letter);
    if (it == drives.end() || !it->second.spaceReadable) return false;
    out = it->second.space;
    return true;
  }
  bool volumeFacts(char letter, VolumeFacts& out) override {
    asked += letter;
    auto it = drives.find(letter);
    if (it == drives.end() || !it->second.factsReadable) return false;
    out = it->second.facts;
    return true;
  }
  char driveOfPath(const std::string&) override { return 'C'; }
};

FakeVolumes::Drive drive(const std::string& root, std::int64_t total, std::int64_t free,
                         const std::string& label, const std::string& fs) {
  FakeVolumes::Drive d;
  d.root = root;
  d.space = {free, total, free + 7};
  d.facts.label = label;
  d.facts.fileSystemName = fs;
  d.facts.serialNumber = 0xCAFE;
  d.facts.maxComponentLength = 255;
  d.facts.fileSystemFlags = 3;
  return d;
}

}  // namespace

TEST(DriveLetters, NonLettersMeanCAndLowerCaseIsUpperCased) {
  EXPECT_TRUE(IsDriveLetter('a'));
  EXPECT_TRUE(IsDriveLetter('Z'));
  for (char c : {'1', '\0', ':', '@', '[', '`', '{', ' ', '\\'}) {
    EXPECT_FALSE(IsDriveLetter(c)) << int(c);
    EXPECT_EQ(NormalizeDriveLetter(c), 'C') << int(c);
    EXPECT_EQ(DriveNumber(c), 3) << int(c);
  }
  // Bytes above ASCII are not letters, whatever the locale says.
  EXPECT_FALSE(IsDriveLetter(static_cast<char>(0xE9)));
  EXPECT_EQ(NormalizeDriveLetter(static_cast<char>(0xC4)), 'C');
  EXPECT_EQ(NormalizeDriveLetter('d'), 'D');
  EXPECT_EQ(DriveNumber('a'), 1);
  EXPECT_EQ(DriveNumber('z'), 26);
  EXPECT_EQ(DriveNumber('Z'), 26);
}

TEST(DriveHelpers, SizesGoToTheNormalisedDriveAndFailAsMinusOne) {
  FakeVolumes v;
  v.drives['C'] = drive("/", 1000, 400, "SYS", "ext4");
  v.drives['D'] = drive("/data/", 5000, 100, "", "xfs");
  v.drives['E'] = drive("/e/", 1, 1, "", "");
  v.drives['E'].spaceReadable = false;

  EXPECT_EQ(DriveSize(v, 'c'), 1000);
  EXPECT_EQ(DriveFree(v, 'C'), 400);  // free to the caller, not the total free
  EXPECT_EQ(DriveSize(v, '7'), 1000);
  EXPECT_EQ(DriveFree(v, '\0'), 400);
  EXPECT_EQ(DriveSize(v, 'd'), 5000);
  EXPECT_EQ(DriveSize(v, 'Q'), -1);
  EXPECT_EQ(DriveFree(v, 'q'), -1);
  EXPECT_EQ(DriveSize(v, 'E'), -1);
  EXPECT_EQ(DriveFree(v, 'E'), -1);
  EXPECT_EQ(v.asked, "CCCCDQQEE");
}

TEST(DriveHelpers, DriveInformationIsResetAndFilledOrLeftEmpty) {
  FakeVolumes v;
  v.drives['C'] = drive("/", 1, 1, "SYSTEM", "ext4");
  v.drives['D'] = drive("/d/", 1, 1, "Data", "xfs");
  v.drives['D'].factsReadable = false;

  DriveInformation info;
  GetDriveInformation(v, 'c', info);
  EXPECT_EQ(info.VolumeName, "SYSTEM");
  EXPECT_EQ(info.SerialNumber, 0xCAFEu);
  EXPECT_EQ(info.MaxComponentLength, 255u);
  EXPECT_EQ(info.FileSystemFlags, 3u);
  EXPECT_EQ(info.FileSystemName, "ext4");

  // Reusing a filled record for a drive that can't be read leaves nothing behind.
  for (char letter : {'D', 'x'}) {
    GetDriveInformation(v, 'c', info);
    GetDriveInformation(v, letter, info);
    EXPECT_EQ(info.VolumeName, "") << letter;
    EXPECT_EQ(info.SerialNumber, 0u);
    EXPECT_EQ(info.MaxComponentLength, 0u);
    EXPECT_EQ(info.FileSystemFlags, 0u);
    EXPECT_EQ(info.FileSystemName, "");
  }
}

TEST(DriveHelpers, LabelIsUntrimmedFileSystemNameIsTrimmed) {
  FakeVolumes v;
  v.drives['C'] = drive("/", 1, 1, "  My Disk \t", " \t\r\nNT FS \x01 ");
  v.drives['D'] = drive("/d/", 1, 1, "", "ext4");
  v.drives['E'] = drive("/e/", 1, 1, "中文卷标", "   ");
  EXPECT_EQ(DriveVolumeLabel(v, 'C'), "  My Disk \t");
  EXPECT_EQ(DriveFileSystem(v, 'C'), "NT FS");
  EXPECT_EQ(DriveVolumeLabel(v, 'D'), "");
  EXPECT_EQ(DriveVolumeLabel(v, 'e'), "中文卷标");
  EXPECT_EQ(DriveFileSystem(v, 'E'), "");
  EXPECT_EQ(DriveVolumeLabel(v, 'K'), "");
  EXPECT_EQ(DriveFileSystem(v, 'K'), "");
}

TEST(DriveHelpers, TextsAreCutLikeTheVolumeQueryBuffers) {
  FakeVolumes v;
  // 100 three-byte characters: 300 bytes, cut to 259 without splitting a character.
  std::string longLabel;
  for (int i = 0; i < 100; ++i) longLabel += "盘";
  v.drives['C'] = drive("/", 1, 1, longLabel, std::string("ext4\0junk", 9));
  const std::string label = DriveVolumeLabel(v, 'C');
  EXPECT_EQ(label.size(), 258u);
  EXPECT_EQ(label, longLabel.substr(0, 258));
  EXPECT_EQ(DriveFileSystem(v, 'C'), "ext4");
}

TEST(DriveHelpers, FixedDriveListIsClearedAndFilledInLetterOrder) {
  FakeVolumes v;
  v.drives['C'] = drive("/", 1, 1, "", "");
  std::vector<std::string> list{"stale", "items"};
  GetFixedDrives(v, &list);
  EXPECT_EQ(list, std::vector<std::string>{"/"});

  v.drives['E'] = drive("/e/", 1, 1, "", "");
  v.drives['D'] = drive("/d/", 1, 1, "", "");
  GetFixedDrives(v, &list);
  EXPECT_EQ(list, (std::vector<std::string>{"/", "/d/", "/e/"}));
  GetFixedDrives(v, nullptr);  // nothing happens

  EXPECT_EQ(RootPathDriveLetter(v, "/d/"), 'D');
  EXPECT_EQ(RootPathDriveLetter(v, "/"), 'C');
  EXPECT_EQ(RootPathDriveLetter(v, "e:\\"), 'E');
  EXPECT_EQ(RootPathDriveLetter(v, "/nowhere/"), 'C');
  EXPECT_EQ(DriveRootPath(v, 'e'), "/e/");
  EXPECT_EQ(DriveRootPath(v, '#'), "/");
  EXPECT_EQ(DriveRootPath(v, 'Y'), "");

  v.drives.clear();
  GetFixedDrives(v, &list);
  EXPECT_TRUE(list.empty());
}

TEST(DriveHelpers, WorkOverTheLinuxMountTable) {
  test::TempDir tmp;
  const std::string data = tmp.makeDir("data");
  tmp.writeFile("mountinfo",
                "1 0 0:5 / /proc rw - proc proc rw\n"
                "2 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                "3 2 8:2 / " +
                    data +
                    " rw - xfs /dev/sda2 rw\n"
                    "4 2 8:3 / " +
                    (tmp / "gone") + " rw - ext4 /dev/sda3 rw\n");
  VolumeSources sources;
  sources.mountInfoPath = tmp / "mountinfo";
  sources.devices.sysRoot = tmp / "sys";
  sources.devices.devDiskDir = tmp / "disk";
  sources.devices.probeWithBlkid = false;
  LinuxVolumes v(sources);

  std::vector<std::string> list;
  GetFixedDrives(v, &list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], "/");
  EXPECT_EQ(list[1], data + "/");
  EXPECT_EQ(RootPathDriveLetter(v, list[1]), 'D');
  EXPECT_GT(DriveSize(v, 'd'), 0);
  EXPECT_GE(DriveFree(v, 'D'), 0);
  EXPECT_EQ(DriveFileSystem(v, 'D'), "xfs");
  EXPECT_EQ(DriveSize(v, 'E'), -1);  // listed, but the mount point is gone
  EXPECT_EQ(DriveFileSystem(v, 'E'), "");
  EXPECT_EQ(DriveSize(v, 'F'), -1);
}
