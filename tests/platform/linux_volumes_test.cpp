#include "platform/posix/linux_volumes.h"

#include <gtest/gtest.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace fs = std::filesystem;
using norvane::BlockDevices;
using norvane::DiskSpace;
using norvane::LinuxVolumes;
using norvane::VolumeFacts;
using norvane::VolumeSources;
using norvane::test::TempDir;

namespace {

// A mountinfo file, a small sysfs and /dev/disk in a temporary folder.
class VolumesFixture : public ::testing::Test {
 protected:
  VolumesFixture() {
    // sda: fixed disk with partition sda2; sdb: removable stick with sdb1; sdc: removable
    // whole-disk medium.
    tmp.writeFile("sys/devices/block/sda/removable", "0\n");
    tmp.writeFile("sys/devices/block/sda/sda2/partition", "2\n");
    tmp.writeFile("sys/devices/block/sdb/removable", "1\n");
    tmp.writeFile("sys/devices/block/sdb/sdb1/partition", "1\n");
    tmp.writeFile("sys/devices/block/sdc/removable", "1\n");
    tmp.makeDir("sys/dev/block");
    link("../../devices/block/sda/sda2", "sys/dev/block/8:2");
    link("../../devices/block/sdb/sdb1", "sys/dev/block/8:17");
    link("../../devices/block/sdc", "sys/dev/block/8:32");
    tmp.makeDir("dev/disk/by-label");
    tmp.makeDir("dev/disk/by-uuid");
  }

  void link(const std::string& target, const std::string& relative) {
    fs::create_symlink(target, tmp / relative);
  }

  LinuxVolumes volumes(const std::string& mountInfoText) {
    tmp.writeFile("mountinfo", mountInfoText);
    return volumesAt(tmp / "mountinfo");
  }
  LinuxVolumes volumesAt(const std::string& mountInfoPath) {
    VolumeSources sources;
    sources.mountInfoPath = mountInfoPath;
    sources.devices.sysRoot = tmp / "sys";
    sources.devices.devDiskDir = tmp / "dev/disk";
    sources.devices.probeWithBlkid = false;
    return LinuxVolumes(sources);
  }

  static std::string letters(LinuxVolumes& v) {
    std::string out;
    for (const auto& d : v.fixedDrives()) out += std::string(1, d.letter) + "=" + d.rootPath + " ";
    return out;
  }

  TempDir tmp;
};

const char* const kBusyMachine =
    "21 26 0:20 / /proc rw - proc proc rw\n"
    "22 26 0:21 / /sys rw - sysfs sysfs rw\n"
    "23 26 0:6 / /dev rw - devtmpfs devtmpfs rw\n"
    "24 23 0:22 / /dev/shm rw - tmpfs tmpfs rw\n"
    "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
    "30 22 0:27 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
    "41 26 8:2 / /srv/data rw shared:3 - xfs /dev/sda2 rw\n"
    "42 26 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n"
    "43 26 8:32 / /media/disc rw - ext4 /dev/sdc rw\n"
    "44 26 0:50 / /mnt/nfs rw - nfs4 server:/export rw\n"
    "45 26 0:51 / /mnt/share rw - cifs //server/share rw\n"
    "46 26 0:52 / /mnt/remote rw - fuse.sshfs me@host:/ rw\n"
    "47 26 7:3 / /snap/core/1 ro - squashfs /dev/loop3 ro\n"
    "48 26 7:4 / /media/cdrom ro - iso9660 /dev/loop4 ro\n"
    "56 26 7:5 / /media/dvdimage ro - udf /dev/loop5 ro\n"
    "57 26 8:48 / /udfdisk rw - udf /dev/sdd rw\n"
    "49 26 0:60 / /var/lib/docker/overlay2/x/merged rw - overlay overlay rw\n"
    "50 26 8:2 /exports /export rw - xfs /dev/sda2 rw\n"    // bind of a sub-folder
    "51 26 8:2 / /backup/again rw - xfs /dev/sda2 rw\n"     // the same device again
    "52 26 254:0 / /mnt/rootagain rw - ext4 /dev/vda rw\n"  // the root device again
    "53 26 0:70 / /mnt/btr rw - btrfs /dev/sdd1 rw\n"
    "54 26 0:70 /@home /home rw - btrfs /dev/sdd1 rw\n"
    "55 26 259:1 / /a\\040b rw - ext4 /dev/nvme0n1p1 rw\n";

}  // namespace

TEST_F(VolumesFixture, OnlyFixedLocalDisksGetLettersInMountPointOrder) {
  LinuxVolumes v = volumes(kBusyMachine);
  EXPECT_EQ(letters(v), "C=/ D=/a b/ E=/mnt/btr/ F=/srv/data/ G=/udfdisk/ ");
  EXPECT_TRUE(v.isFixedDrive('C'));
  EXPECT_TRUE(v.isFixedDrive('F'));
  EXPECT_FALSE(v.isFixedDrive('H'));
  EXPECT_FALSE(v.isFixedDrive('A'));
  EXPECT_EQ(v.rootPath('D'), "/a b/");
  EXPECT_EQ(v.rootPath('Q'), "");
}

TEST_F(VolumesFixture, RootIsAlwaysCEvenOnAnOverlayAndLettersStopAtZ) {
  std::string text = "1 0 0:40 / / rw - overlay overlay rw\n";
  for (int i = 0; i < 30; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "/m%02d", i);
    text += std::to_string(100 + i) + " 1 9:" + std::to_string(i) + " / " + name +
            " rw - ext4 /dev/md" + std::to_string(i) + " rw\n";
  }
  LinuxVolumes v = volumes(text);
  const auto drives = v.fixedDrives();
  ASSERT_EQ(drives.size(), 24u);  // C plus D..Z
  EXPECT_EQ(drives.front().rootPath, "/");
  EXPECT_EQ(drives[1].letter, 'D');
  EXPECT_EQ(drives[1].rootPath, "/m00/");
  EXPECT_EQ(drives.back().letter, 'Z');
  EXPECT_EQ(drives.back().rootPath, "/m22/");
}

TEST_F(VolumesFixture, MissingOrUnreadableMountTableMeansNoDrives) {
  LinuxVolumes v = volumesAt(tmp / "no-such-mountinfo");
  EXPECT_TRUE(v.fixedDrives().empty());
  EXPECT_FALSE(v.isFixedDrive('C'));
  EXPECT_EQ(v.rootPath('C'), "");
  DiskSpace space;
  EXPECT_FALSE(v.diskSpace('C', space));
  VolumeFacts facts;
  EXPECT_FALSE(v.volumeFacts('C', facts));
  EXPECT_EQ(v.driveOfPath("/usr"), '\0');

  // A folder where the file should be.
  tmp.makeDir("dir-mountinfo");
  EXPECT_TRUE(volumesAt(tmp / "dir-mountinfo").fixedDrives().empty());
}

TEST_F(VolumesFixture, RootFolderIsCEvenWhenNoMountCoversIt) {
  // What a process in a chroot sees: mounts below its root, none on "/" itself.
  LinuxVolumes v = volumes(
      "5 1 0:5 / /proc rw - proc proc rw\n"
      "6 1 8:2 / /data rw - ext4 /dev/sda2 rw\n");
  EXPECT_EQ(v.rootPath('C'), "/");
  EXPECT_EQ(v.rootPath('D'), "/data/");
  DiskSpace space;
  EXPECT_TRUE(v.diskSpace('C', space));
  EXPECT_GT(space.total, 0);
}

TEST_F(VolumesFixture, MountTableIsReadAgainWhenItChanges) {
  LinuxVolumes v = volumes("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n");
  EXPECT_FALSE(v.isFixedDrive('D'));
  tmp.writeFile("mountinfo",
                "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 8:2 / /data rw - ext4 /dev/sda2 rw\n");
  EXPECT_EQ(v.rootPath('D'), "/data/");
  tmp.writeFile("mountinfo", "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n");
  EXPECT_FALSE(v.isFixedDrive('D'));
}

TEST_F(VolumesFixture, DriveOfPathTakesTheLongestWholeComponentPrefix) {
  LinuxVolumes v = volumes(
      "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
      "2 1 8:2 / /data rw - ext4 /dev/sda2 rw\n"
      "3 2 8:3 / /data/deep rw - ext4 /dev/sda3 rw\n"
      "4 1 0:5 / /tmp rw - tmpfs tmpfs rw\n");
  EXPECT_EQ(v.driveOfPath("/usr"), 'C');
  EXPECT_EQ(v.driveOfPath("/data"), 'D');
  EXPECT_EQ(v.driveOfPath("/data/"), 'D');
  EXPECT_EQ(v.driveOfPath("/data//x"), 'D');
  EXPECT_EQ(v.driveOfPath("/data2/x"), 'C');
  EXPECT_EQ(v.driveOfPath("/data/deep/er"), 'E');
  EXPECT_EQ(v.driveOfPath("/tmp/x"), 'C');  // tmpfs is no drive: the root holds it
  EXPECT_EQ(v.driveOfPath("relative/path"), '\0');
}

TEST_F(VolumesFixture, DiskSpaceOfARealFolderMount) {
  const std::string mp = tmp.makeDir("mnt");
  LinuxVolumes v = volumes(
      "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
      "2 1 8:2 / " +
      mp + " rw - ext4 /dev/sda2 rw\n");
  ASSERT_EQ(v.rootPath('D'), mp + "/");
  DiskSpace space;
  ASSERT_TRUE(v.diskSpace('D', space));
  const fs::space_info expected = fs::space(mp);
  EXPECT_EQ(space.total, static_cast<std::int64_t>(expected.capacity));
  EXPECT_GT(space.total, 0);
  EXPECT_LE(space.freeToCaller, space.totalFree);
  EXPECT_LE(space.totalFree, space.total);
  // Free space moves with other writers; it must still be the same order of magnitude.
  EXPECT_NEAR(static_cast<double>(space.freeToCaller), static_cast<double>(expected.available),
              256.0 * 1024 * 1024);
}

TEST_F(VolumesFixture, VanishedMountGivesFailureValues) {
  LinuxVolumes v = volumes(
      "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
      "2 1 8:2 / " +
      (tmp / "gone") + " rw - ext4 /dev/sda2 rw\n");
  ASSERT_TRUE(v.isFixedDrive('D'));
  DiskSpace space;
  space.total = 42;
  EXPECT_FALSE(v.diskSpace('D', space));
  VolumeFacts facts;
  EXPECT_FALSE(v.volumeFacts('D', facts));
}

TEST_F(VolumesFixture, VolumeFactsFromDiskLinksAndTheMountTable) {
  const std::string mp = tmp.makeDir("mnt");
  const std::string device = tmp.writeFile("dev/sdz1");
  link("../../sdz1", "dev/disk/by-label/My\\x20Disk");
  link("../../sdz1", "dev/disk/by-uuid/1234-ABCD");
  tmp.writeFile("dev/other");
  link("../../other", "dev/disk/by-label/Other");
  LinuxVolumes v = volumes("2 1 8:99 / " + mp + " rw - vfat " + device + " rw\n");
  VolumeFacts facts;
  ASSERT_TRUE(v.volumeFacts('D', facts));
  EXPECT_EQ(facts.label, "My Disk");
  EXPECT_EQ(facts.serialNumber, 0x1234ABCDu);
  EXPECT_EQ(facts.fileSystemName, "vfat");
  struct statvfs st;
  ASSERT_EQ(statvfs(mp.c_str(), &st), 0);
  EXPECT_EQ(facts.maxComponentLength, st.f_namemax);

  // Without links the label and serial are simply empty.
  const std::string mp2 = tmp.makeDir("mnt2");
  LinuxVolumes plain = volumes("2 1 8:5 / " + mp2 + " rw - ext4 /dev/sdy5 rw\n");
  VolumeFacts none;
  ASSERT_TRUE(plain.volumeFacts('D', none));
  EXPECT_EQ(none.label, "");
  EXPECT_EQ(none.serialNumber, 0u);
  EXPECT_EQ(none.fileSystemName, "ext4");
}

TEST(BlockDevices, ProbeReadsLabelAndUuidFromTheSuperblock) {
  TempDir tmp;
  const std::string image = tmp.writeFile("disk.img", std::string(4 << 20, '\0'));
  const std::string cmd =
      "mke2fs -q -F -t ext4 -L 'Data Disk' -U 0a1b2c3d-1111-2222-3333-444455556666 '" + image +
      "' >/dev/null 2>&1";
  if (std::system(cmd.c_str()) != 0) GTEST_SKIP() << "mke2fs is not available";
  const auto ids = BlockDevices::probe(image);
  EXPECT_EQ(ids.label, "Data Disk");
  EXPECT_EQ(ids.uuid, "0a1b2c3d-1111-2222-3333-444455556666");
  EXPECT_EQ(BlockDevices::serialFromUuid(ids.uuid), 0x0A1B2C3Du);

  const auto none = BlockDevices::probe(tmp.writeFile("blank.img", std::string(65536, '\0')));
  EXPECT_EQ(none.label, "");
  EXPECT_EQ(none.uuid, "");
  EXPECT_EQ(BlockDevices::probe(tmp / "missing").label, "");
}

TEST(BlockDevices, SerialFromUuidAndLinkNames) {
  EXPECT_EQ(BlockDevices::serialFromUuid("1234-ABCD"), 0x1234ABCDu);         // FAT
  EXPECT_EQ(BlockDevices::serialFromUuid("0123456789ABCDEF"), 0x89ABCDEFu);  // NTFS
  EXPECT_EQ(BlockDevices::serialFromUuid("a1b2c3d4-0000-1111-2222-333344445555"), 0xA1B2C3D4u);
  EXPECT_EQ(BlockDevices::serialFromUuid(""), 0u);
  EXPECT_EQ(BlockDevices::decodeLinkName("A\\x20B\\x2fC"), "A B/C");
  EXPECT_EQ(BlockDevices::decodeLinkName("\\xZZ\\x4"), "\\xZZ\\x4");
}
