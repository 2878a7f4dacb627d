#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "platform/posix/posix_file_ops.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

extern char** environ;

namespace norvane {
namespace {

using namespace std::chrono_literals;
using test::TempDir;

bool present(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

// A `sleep` that holds `path` open on descriptor 3 until the object goes away.
class Holder {
 public:
  explicit Holder(const std::string& path) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 3, path.c_str(), O_RDONLY, 0);
    char* argv[] = {const_cast<char*>("sleep"), const_cast<char*>("60"), nullptr};
    ok_ = posix_spawnp(&pid_, "sleep", &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~Holder() { stop(); }
  void stop() {
    if (!ok_) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    ok_ = false;
  }
  bool ok() const { return ok_; }

 private:
  pid_t pid_ = -1;
  bool ok_ = false;
};

FileIdentity identityOf(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return {};
  return FileIdentity{st.st_dev, st.st_ino};
}

// The file at `path` as a scan finds it now.
ScannedFile scanned(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = path.substr(0, slash + 1);
  return ScannedFile{folder, path.substr(slash + 1), identityOf(folder), identityOf(path)};
}

TEST(FileOpsTest, PresenceAndSizeTakeLinksAsThemselves) {
  TempDir dir;
  PosixFileOps ops(dir / "no-proc", 0ms);
  const std::string file = dir.writeFile("f.tmp", "12345");
  const std::string folder = dir.makeDir("sub");
  const std::string dangling = dir / "dangling";
  ASSERT_EQ(0, symlink("nowhere-at-all", dangling.c_str()));
  const std::string linkToFolder = dir / "link-to-folder";
  ASSERT_EQ(0, symlink(folder.c_str(), linkToFolder.c_str()));

  EXPECT_TRUE(ops.fileExists(scanned(file)));
  EXPECT_FALSE(ops.fileExists(scanned(folder)));
  EXPECT_TRUE(ops.fileExists(scanned(dangling)));
  EXPECT_TRUE(ops.fileExists(scanned(linkToFolder)));
  EXPECT_FALSE(ops.fileExists(scanned(dir / "missing")));
  EXPECT_FALSE(ops.fileExists(ScannedFile{}));

  std::int64_t size = -1;
  EXPECT_EQ(0, ops.fileSize(scanned(file), size));
  EXPECT_EQ(5, size);
  EXPECT_EQ(0, ops.fileSize(scanned(dangling), size));
  EXPECT_EQ(static_cast<std::int64_t>(std::string("nowhere-at-all").size()), size);
  EXPECT_EQ(ENOENT, ops.fileSize(scanned(dir / "missing"), size));
}

TEST(FileOpsTest, DeletesFilesAndLinksButNeverFoldersOrLinkTargets) {
  TempDir dir;
  PosixFileOps ops(dir / "no-proc", 0ms);
  const std::string file = dir.writeFile("a.tmp", "x");
  const ScannedFile found = scanned(file);
  EXPECT_TRUE(ops.deleteFile(found).deleted());
  EXPECT_FALSE(present(file));
  EXPECT_EQ(DeleteStatus::NotFound, ops.deleteFile(found).status);

  const std::string sentinel = dir.writeFile("keep/sentinel.txt", "keep");
  ASSERT_EQ(0, chmod(sentinel.c_str(), 0444));
  const std::string link = dir / "link.tmp";
  ASSERT_EQ(0, symlink(sentinel.c_str(), link.c_str()));
  DeleteOutcome viaLink = ops.deleteFile(scanned(link));
  EXPECT_EQ(DeleteStatus::Deleted, viaLink.status);
  EXPECT_FALSE(present(link));
  EXPECT_TRUE(present(sentinel));

  const std::string folderLink = dir / "folder-link";
  ASSERT_EQ(0, symlink((dir / "keep").c_str(), folderLink.c_str()));
  EXPECT_TRUE(ops.deleteFile(scanned(folderLink)).deleted());
  EXPECT_TRUE(present(sentinel));

  const std::string folder = dir.makeDir("folder.tmp");
  DeleteOutcome onFolder = ops.deleteFile(scanned(folder));
  EXPECT_EQ(DeleteStatus::IsDirectory, onFolder.status);
  EXPECT_TRUE(present(folder));

  DeleteOutcome vanished = ops.deleteFile(scanned(dir / "gone.tmp"));
  EXPECT_EQ(DeleteStatus::NotFound, vanished.status);
  EXPECT_EQ(ENOENT, vanished.code);
}

// Between the scan and the deletion anyone who can write a folder on the way may swap it for a
// link, or a file for another: the deletion then touches nothing, and calls the file gone.
TEST(FileOpsTest, SwappedFoldersAndFilesAreNeverDeleted) {
  TempDir dir;
  PosixFileOps ops(dir / "no-proc", 0ms);
  const std::string victim = dir.writeFile("victim/junk.tmp", "someone else's");
  dir.writeFile("victim/deep/junk.tmp", "someone else's");

  // The folder itself becomes a link to a folder holding a file of the same name.
  const ScannedFile inFolder = scanned(dir.writeFile("scan/junk.tmp", "junk"));
  ASSERT_EQ(0, rename((dir / "scan").c_str(), (dir / "scan.moved").c_str()));
  ASSERT_EQ(0, symlink((dir / "victim").c_str(), (dir / "scan").c_str()));
  EXPECT_FALSE(ops.fileExists(inFolder));
  std::int64_t size = 0;
  EXPECT_EQ(ENOENT, ops.fileSize(inFolder, size));
  EXPECT_EQ(DeleteStatus::NotFound, ops.deleteFile(inFolder).status);

  // A folder further up the path.
  const ScannedFile deeper = scanned(dir.writeFile("up/deep/junk.tmp", "junk"));
  ASSERT_EQ(0, rename((dir / "up").c_str(), (dir / "up.moved").c_str()));
  ASSERT_EQ(0, symlink((dir / "victim").c_str(), (dir / "up").c_str()));
  EXPECT_EQ(DeleteStatus::NotFound, ops.deleteFile(deeper).status);

  // Another real folder of the same name, and another file of the same name.
  const ScannedFile renamed = scanned(dir.writeFile("same/junk.tmp", "junk"));
  ASSERT_EQ(0, rename((dir / "same").c_str(), (dir / "same.moved").c_str()));
  const std::string newcomer = dir.writeFile("same/junk.tmp", "new");
  EXPECT_EQ(DeleteStatus::NotFound, ops.deleteFile(renamed).status);
  const ScannedFile replaced = scanned(newcomer);
  ASSERT_EQ(0, rename(newcomer.c_str(), (dir / "same/keep").c_str()));
  dir.writeFile("same/junk.tmp", "another file of that name");
  EXPECT_EQ(DeleteStatus::NotFound, ops.deleteFile(replaced).status);

  // A name that reaches into a sub-folder, and a file whose identities were never read.
  ScannedFile reaching = scanned(dir / "victim/deep/junk.tmp");
  reaching.folder = dir / "victim/";
  reaching.name = "deep/junk.tmp";
  reaching.folderIdentity = identityOf(reaching.folder);
  EXPECT_EQ(DeleteStatus::NotFound, ops.deleteFile(reaching).status);
  EXPECT_EQ(DeleteStatus::NotFound,
            ops.deleteFile(ScannedFile{dir / "victim/", "junk.tmp", {}, {}}).status);

  EXPECT_TRUE(present(victim));
  EXPECT_TRUE(present(dir / "victim/deep/junk.tmp"));
  EXPECT_TRUE(present(dir / "scan.moved/junk.tmp"));
  EXPECT_TRUE(present(dir / "up.moved/deep/junk.tmp"));
  EXPECT_TRUE(present(dir / "same.moved/junk.tmp"));
  EXPECT_TRUE(present(dir / "same/junk.tmp"));
  EXPECT_TRUE(present(dir / "same/keep"));
}

TEST(FileOpsTest, APreviewTellsTheOutcomeAndDeletesNothing) {
  TempDir dir;
  PosixFileOps ops(dir / "no-proc", 0ms);
  const std::string file = dir.writeFile("t/a.tmp", "x");
  const std::string readOnly = dir.writeFile("t/ro.tmp", "x");
  ASSERT_EQ(0, chmod(readOnly.c_str(), 0444));
  EXPECT_TRUE(ops.previewDelete(scanned(file)).deleted());
  EXPECT_EQ(DeleteStatus::ReadOnly, ops.previewDelete(scanned(readOnly)).status);
  EXPECT_EQ(DeleteStatus::IsDirectory, ops.previewDelete(scanned(dir / "t")).status);
  const ScannedFile before = scanned(file);
  ASSERT_EQ(0, rename((dir / "t").c_str(), (dir / "t.moved").c_str()));
  ASSERT_EQ(0, symlink((dir / "t.moved").c_str(), (dir / "t").c_str()));
  EXPECT_TRUE(ops.previewDelete(before).deleted());  // the same folder, reached through a link
  ASSERT_EQ(0, unlink((dir / "t").c_str()));
  dir.writeFile("t/a.tmp", "another");
  EXPECT_EQ(DeleteStatus::NotFound, ops.previewDelete(before).status);
  EXPECT_TRUE(present(dir / "t.moved/a.tmp"));

  // A folder that refuses new names refuses removing one too.
  const std::string locked = dir.writeFile("locked/b.tmp", "x");
  ASSERT_EQ(0, chmod((dir / "locked").c_str(), 0555));
  ASSERT_EQ(0, chmod(dir.path().c_str(), 0755));
  const ScannedFile inLocked = scanned(locked);
  if (!test::unprivilegedCanReach(locked)) GTEST_SKIP() << "nobody can't reach the folder";
  EXPECT_EQ(0, test::runUnprivileged([&] {
              PosixFileOps mine(dir / "no-proc", 0ms);
              return mine.previewDelete(inLocked).status == DeleteStatus::AccessDenied ? 0 : 1;
            }));
  EXPECT_TRUE(present(locked));
}

TEST(FileOpsTest, ReadOnlyFileIsRefusedEvenForRoot) {
  TempDir dir;
  PosixFileOps ops(dir / "no-proc", 0ms);
  const std::string file = dir.writeFile("ro.tmp", "x");
  ASSERT_EQ(0, chmod(file.c_str(), 0444));
  DeleteOutcome outcome = ops.deleteFile(scanned(file));
  EXPECT_EQ(DeleteStatus::ReadOnly, outcome.status);
  EXPECT_EQ(EACCES, outcome.code);
  EXPECT_TRUE(present(file));
  // Group and others' write bits don't count; the owner's does.
  ASSERT_EQ(0, chmod(file.c_str(), 0466));
  EXPECT_EQ(DeleteStatus::ReadOnly, ops.deleteFile(scanned(file)).status);
  ASSERT_EQ(0, chmod(file.c_str(), 0200));
  EXPECT_TRUE(ops.deleteFile(scanned(file)).deleted());
}

TEST(FileOpsTest, FileHeldOpenByARunningProcessIsRefusedUntilItCloses) {
  TempDir dir;
  PosixFileOps ops("/proc", 0ms);
  const std::string held = dir.writeFile("held.tmp", "data");
  const std::string free = dir.writeFile("free.tmp", "data");
  Holder holder(held);
  ASSERT_TRUE(holder.ok());
  DeleteOutcome outcome = ops.deleteFile(scanned(held));
  EXPECT_EQ(DeleteStatus::InUse, outcome.status);
  EXPECT_TRUE(present(held));
  EXPECT_TRUE(ops.deleteFile(scanned(free)).deleted());
  holder.stop();
  EXPECT_TRUE(ops.deleteFile(scanned(held)).deleted());
}

TEST(FileOpsTest, RememberedOpenFilesAreConfirmedBeforeRefusing) {
  TempDir dir;
  // A snapshot kept for an hour: a file closed since must not stay "in use".
  PosixFileOps ops("/proc", std::chrono::hours(1));
  const std::string held = dir.writeFile("held.tmp", "data");
  Holder holder(held);
  ASSERT_TRUE(holder.ok());
  EXPECT_EQ(DeleteStatus::InUse, ops.deleteFile(scanned(held)).status);
  holder.stop();
  EXPECT_TRUE(ops.deleteFile(scanned(held)).deleted());
}

TEST(FileOpsTest, ProcFixtureDescriptorsAndMappingsCount) {
  TempDir dir;
  const std::string viaFd = dir.writeFile("data/fd.tmp", "x");
  const std::string viaMap = dir.writeFile("data/map.tmp", "x");
  const std::string untouched = dir.writeFile("data/free.tmp", "x");
  dir.makeDir("proc/4242/fd");
  dir.makeDir("proc/self");  // not a process number: ignored
  ASSERT_EQ(0, symlink(viaFd.c_str(), (dir / "proc/4242/fd/7").c_str()));
  ASSERT_EQ(0, symlink("/nonexistent", (dir / "proc/4242/fd/8").c_str()));
  struct stat st;
  ASSERT_EQ(0, stat(viaMap.c_str(), &st));
  char line[256];
  std::snprintf(line, sizeof line,
                "7f00-7f10 r--p 00000000 00:00 0 [heap]\n"
                "00400000-00452000 r-xp 00000000 %x:%x %llu %s\n",
                major(st.st_dev), minor(st.st_dev), static_cast<unsigned long long>(st.st_ino),
                viaMap.c_str());
  dir.writeFile("proc/4343/maps", line);
  dir.writeFile("proc/4444/maps", "garbage line\n\n");

  PosixFileOps ops(dir / "proc", 0ms);
  EXPECT_EQ(DeleteStatus::InUse, ops.deleteFile(scanned(viaFd)).status);
  EXPECT_EQ(DeleteStatus::InUse, ops.deleteFile(scanned(viaMap)).status);
  EXPECT_TRUE(ops.deleteFile(scanned(untouched)).deleted());
  EXPECT_TRUE(present(viaFd));
  EXPECT_TRUE(present(viaMap));
}

}  // namespace
}  // namespace norvane
