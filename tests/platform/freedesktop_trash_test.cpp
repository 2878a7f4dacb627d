#include "platform/posix/freedesktop_trash.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "support/temp_dir.h"

namespace fs = std::filesystem;
using norvane::FreedesktopTrash;
using norvane::MountInfo;
using norvane::TrashContents;
using norvane::TrashLocations;
using norvane::test::TempDir;

namespace {

constexpr unsigned kUid = 1000;

bool hasNoEntries(const std::string& dir) { return fs::is_empty(dir); }

// Runs `body` without root's power to read anything, so permission checks apply: in a child
// process that drops to "nobody" when the tests run as root.
int runUnprivileged(const std::function<int()>& body) {
  if (geteuid() != 0) return body();
  const pid_t pid = fork();
  if (pid == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(255);
    _exit(body() & 0xFF);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 254;
}

class TrashFixture : public ::testing::Test {
 protected:
  TrashFixture() {
    home = tmp.makeDir("home/.local/share/Trash");
    tmp.makeDir("home/.local/share/Trash/files");
    tmp.makeDir("home/.local/share/Trash/info");
    top = tmp.makeDir("mnt");
    // Outside the trash: what links in the trash point at.
    sentinel = tmp.writeFile("outside/sentinel.txt", "keep me");
    tmp.writeFile("outside/folder/precious.dat", std::string(4096, 'p'));
  }

  FreedesktopTrash trash(std::vector<std::string> tops = {}) {
    TrashLocations loc;
    loc.homeTrash = home;
    loc.uid = kUid;
    loc.topDirs = [tops] { return tops; };
    return FreedesktopTrash(loc);
  }

  // Puts an item into the home trash with its info record.
  void trashed(const std::string& name, const std::string& content) {
    tmp.writeFile("home/.local/share/Trash/files/" + name, content);
    tmp.writeFile("home/.local/share/Trash/info/" + name.substr(0, name.find('/')) + ".trashinfo",
                  "[Trash Info]\nPath=/x\n");
  }

  TempDir tmp;
  std::string home;
  std::string top;
  std::string sentinel;
};

}  // namespace

TEST_F(TrashFixture, CountsTopLevelItemsAndSizesWithoutFollowingLinks) {
  trashed("a.txt", std::string(10, 'a'));
  trashed("dir/b.txt", std::string(20, 'b'));
  tmp.writeFile("home/.local/share/Trash/files/dir/sub/c.txt", std::string(30, 'c'));
  const std::string linkTarget = tmp / "outside/sentinel.txt";
  const std::string dirTarget = tmp / "outside/folder";
  fs::create_symlink(linkTarget, home + "/files/link");
  fs::create_symlink(dirTarget, home + "/files/linkdir");

  TrashContents c;
  c.items = 99;
  ASSERT_EQ(trash().query(c), 0);
  EXPECT_EQ(c.items, 4);
  // File bytes plus the links themselves (their target text), never what they point at.
  EXPECT_EQ(c.size, 10 + 20 + 30 + static_cast<std::int64_t>(linkTarget.size() + dirTarget.size()));
}

TEST_F(TrashFixture, EmptyingRemovesEverythingButNeverFollowsALinkOut) {
  trashed("a.txt", "aaaa");
  trashed("tree/deep/er/file", "x");
  fs::create_symlink(sentinel, home + "/files/link");
  fs::create_symlink(tmp / "outside/folder", home + "/files/linkdir");
  tmp.writeFile("home/.local/share/Trash/files/tree/inner-link-dummy", "");
  fs::create_symlink(tmp / "outside/folder", home + "/files/tree/deep/innerlink");
  tmp.writeFile("home/.local/share/Trash/directorysizes", "123 456 tree\n");
  // A read-only folder in the trash still goes.
  tmp.writeFile("home/.local/share/Trash/files/ro/file", "r");
  chmod((home + "/files/ro").c_str(), 0500);

  ASSERT_EQ(trash().empty(), 0);
  EXPECT_TRUE(hasNoEntries(home + "/files"));
  EXPECT_TRUE(hasNoEntries(home + "/info"));
  EXPECT_FALSE(fs::exists(home + "/directorysizes"));
  EXPECT_EQ(norvane::test::readWholeFile(sentinel), "keep me");
  EXPECT_EQ(norvane::test::readWholeFile(tmp / "outside/folder/precious.dat"), std::string(4096, 'p'));

  TrashContents c;
  ASSERT_EQ(trash().query(c), 0);
  EXPECT_EQ(c.items, 0);
  EXPECT_EQ(c.size, 0);
  EXPECT_EQ(trash().empty(), 0);  // emptying an empty trash is no failure
}

TEST_F(TrashFixture, PerMountTrashFoldersCountWhenTrustworthy) {
  tmp.writeFile("mnt/.Trash-1000/files/x", "12345");
  tmp.makeDir("mnt/.Trash-1000/info");
  tmp.writeFile("mnt/.Trash/1000/files/y", "1234567");
  chmod((top + "/.Trash").c_str(), 01777);
  // Another user's trash is not ours.
  tmp.writeFile("mnt/.Trash-1001/files/z", "zz");

  TrashContents c;
  ASSERT_EQ(trash({top}).query(c), 0);
  EXPECT_EQ(c.items, 2);
  EXPECT_EQ(c.size, 12);

  // A shared .Trash without the sticky bit must not be used.
  chmod((top + "/.Trash").c_str(), 0777);
  ASSERT_EQ(trash({top}).query(c), 0);
  EXPECT_EQ(c.items, 1);

  // The same mount listed twice is counted once; a vanished mount is no error.
  ASSERT_EQ(trash({top, top, tmp / "no-such-mount"}).query(c), 0);
  EXPECT_EQ(c.items, 1);

  ASSERT_EQ(trash({top}).empty(), 0);
  EXPECT_TRUE(hasNoEntries(top + "/.Trash-1000/files"));
  EXPECT_TRUE(fs::exists(top + "/.Trash/1000/files/y"));  // not a trash we may use
  EXPECT_TRUE(fs::exists(top + "/.Trash-1001/files/z"));
}

TEST_F(TrashFixture, TrashFoldersThatAreLinksAreSkipped) {
  // Everything a link points at lives outside the trash and must stay untouched.
  tmp.writeFile("elsewhere/files/victim", "data");
  tmp.makeDir("elsewhere/info");
  tmp.writeFile("elsewhere/files2/victim2", "data2");

  fs::create_symlink(tmp / "elsewhere", top + "/.Trash-1000");
  tmp.makeDir("mnt/.Trash");
  chmod((top + "/.Trash").c_str(), 01777);
  fs::create_symlink(tmp / "elsewhere", top + "/.Trash/1000");
  fs::remove_all(home + "/files");
  fs::create_symlink(tmp / "elsewhere/files2", home + "/files");

  TrashContents c;
  ASSERT_EQ(trash({top}).query(c), 0);
  EXPECT_EQ(c.items, 0);
  EXPECT_EQ(trash({top}).empty(), 0);
  EXPECT_EQ(norvane::test::readWholeFile(tmp / "elsewhere/files/victim"), "data");
  EXPECT_EQ(norvane::test::readWholeFile(tmp / "elsewhere/files2/victim2"), "data2");

  // The home trash itself as a link.
  fs::remove_all(tmp / "home/.local/share/Trash");
  fs::create_symlink(tmp / "elsewhere", home);
  ASSERT_EQ(trash().query(c), 0);
  EXPECT_EQ(c.items, 0);
  EXPECT_EQ(trash().empty(), 0);
  EXPECT_EQ(norvane::test::readWholeFile(tmp / "elsewhere/files/victim"), "data");
}

TEST_F(TrashFixture, NoTrashAtAllIsAnEmptyTrash) {
  fs::remove_all(tmp / "home/.local");
  TrashContents c;
  EXPECT_EQ(trash({top}).query(c), 0);
  EXPECT_EQ(c.items, 0);
  EXPECT_EQ(trash({top}).empty(), 0);
  EXPECT_TRUE(trash().available());
}

TEST_F(TrashFixture, UnreadableTrashIsAnError) {
  trashed("a.txt", "a");
  trashed("locked/inner.txt", "b");
  chmod(tmp.path().c_str(), 0755);
  chmod((home + "/files/locked").c_str(), 0);
  FreedesktopTrash t = trash();
  EXPECT_EQ(runUnprivileged([&] {
              TrashContents c;
              return t.query(c);
            }),
            EACCES);

  chmod((home + "/files/locked").c_str(), 0755);
  chmod((home + "/files").c_str(), 0);
  EXPECT_EQ(runUnprivileged([&] {
              TrashContents c;
              return t.query(c);
            }),
            EACCES);
  EXPECT_NE(runUnprivileged([&] { return t.empty(); }), 0);
}

TEST(TrashTopDirs, EveryLocalDiskMountOnceRemovableIncluded) {
  const auto dirs = FreedesktopTrash::topDirsOf(MountInfo::parse(
      "1 0 254:0 / / rw - ext4 /dev/vda rw\n"
      "2 1 0:20 / /proc rw - proc proc rw\n"
      "3 1 0:22 / /tmp rw - tmpfs tmpfs rw\n"
      "4 1 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n"
      "5 1 8:2 / /data rw - ext4 /dev/sda2 rw\n"
      "6 1 8:2 /sub /bound rw - ext4 /dev/sda2 rw\n"
      "7 1 8:2 / /data-again rw - ext4 /dev/sda2 rw\n"
      "8 1 0:50 / /net rw - nfs4 host:/x rw\n"));
  EXPECT_EQ(dirs, (std::vector<std::string>{"/", "/media/stick", "/data"}));
}
