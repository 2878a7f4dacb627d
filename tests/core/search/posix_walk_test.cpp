// The search on real folders: links, mounts, unreadable and vanishing folders, odd names,
// trees deeper than the path limit, and the attributes of entries.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include "core/search/find_file.h"
#include "platform/directory_reader.h"
#include "platform/posix/posix_directory_reader.h"
#include "support/search/search_recorder.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using Lines = std::vector<std::string>;
using test::SearchRecorder;
using test::TempDir;

// Removes a tree of any depth, one folder descriptor at a time.
void removeTree(int parentFd, const std::string& name) {
  int fd = openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
  if (fd < 0) {
    unlinkat(parentFd, name.c_str(), 0);
    return;
  }
  DirectoryListing listing;
  PosixDirectoryReader reader;
  std::unique_ptr<Directory> d;
  if (reader.openFolder("/proc/self/fd/" + std::to_string(fd), d) == OpenResult::Opened) {
    d->list(listing);
  }
  d.reset();
  for (std::size_t i = 0; i < listing.size(); ++i) {
    if (unlinkat(fd, listing.name(i), 0) != 0) removeTree(fd, listing.name(i));
  }
  close(fd);
  unlinkat(parentFd, name.c_str(), AT_REMOVEDIR);
}

Lines sorted(Lines l) {
  std::sort(l.begin(), l.end());
  return l;
}

class PosixWalkTest : public ::testing::Test {
 protected:
  TempDir dir;
  FindFile find;
  std::string root() const { return dir.path() + "/"; }
};

TEST_F(PosixWalkTest, LinksAreReportedAsThemselvesAndNeverFollowed) {
  dir.writeFile("t/real/a.tmp");
  dir.writeFile("elsewhere/b.tmp");
  ASSERT_EQ(symlink((dir / "elsewhere").c_str(), (dir / "t/link").c_str()), 0);
  ASSERT_EQ(symlink((dir / "t").c_str(), (dir / "t/real/loop").c_str()), 0);
  ASSERT_EQ(symlink("missing", (dir / "t/dangling.tmp").c_str()), 0);
  SearchRecorder rec(find);
  find.Criteria().Files().SetLocation(dir / "t");
  find.Execute();
  const std::string t = root() + "t/";
  EXPECT_EQ(sorted(rec.folders()), sorted({t, t + "real/"}));
  EXPECT_EQ(sorted(rec.matches()),
            sorted({t + "link", t + "dangling.tmp", t + "real/a.tmp", t + "real/loop"}));
}

TEST_F(PosixWalkTest, UnreadableFolderIsAnnouncedAndTheRestIsWalked) {
  // (Run as root, the folder is read anyway; the announcement rule holds either way.)
  dir.writeFile("t/locked/secret.tmp");
  dir.writeFile("t/open/visible.tmp");
  ASSERT_EQ(chmod((dir / "t/locked").c_str(), 0), 0);
  SearchRecorder rec(find);
  find.Criteria().Files().SetLocation(dir / "t");
  find.Criteria().Files().SetFileName("*.tmp");
  find.Execute();
  Lines folders = rec.folders();
  EXPECT_NE(std::find(folders.begin(), folders.end(), root() + "t/locked/"), folders.end());
  Lines matches = rec.matches();
  EXPECT_NE(std::find(matches.begin(), matches.end(), root() + "t/open/visible.tmp"),
            matches.end());
  if (geteuid() != 0) {
    EXPECT_EQ(matches.size(), 1u);
  }
}

TEST_F(PosixWalkTest, FolderVanishingDuringTheWalkIsSkippedQuietly) {
  dir.writeFile("t/a/one.tmp");
  dir.writeFile("t/b/two.tmp");
  SearchRecorder rec(find);
  auto record = find.OnFolderChange;
  find.OnFolderChange = [&](FindFile* s, const std::string& folder, FolderIgnore& ignore) {
    record(s, folder, ignore);
    // Whichever sibling comes first removes the other.
    if (folder == root() + "t/a/") std::filesystem::remove_all(dir / "t/b");
    if (folder == root() + "t/b/") std::filesystem::remove_all(dir / "t/a");
  };
  find.Criteria().Files().SetLocation(dir / "t");
  find.Execute();
  EXPECT_EQ(rec.matches().size(), 1u);
  EXPECT_FALSE(find.Busy());
}

TEST_F(PosixWalkTest, OddNamesArrivePerfectlyIntact) {
  const Lines names = {"with space.tmp",
                       "-leading.tmp",
                       "new\nline.tmp",
                       "\xff\xfe.tmp",
                       "\xe4\xb8\xad\xe6\x96\x87.TMP",
                       ".hidden.tmp"};
  for (const auto& n : names) dir.writeFile("t/" + n);
  dir.writeFile("t/keep.txt");
  SearchRecorder rec(find);
  find.Criteria().Files().SetLocation(dir / "t");
  find.Criteria().Files().SetFileName("*.tmp");
  find.Execute();
  Lines expected;
  for (const auto& n : names) expected.push_back(root() + "t/" + n);
  EXPECT_EQ(sorted(rec.matches()), sorted(expected));
}

TEST_F(PosixWalkTest, TreesDeeperThanThePathLimitAreWalkedToTheBottom) {
  // Two chains, each far deeper than the path limit and the descriptor budget: the second is
  // reached only if the folders closed on the way down come back on the way up.
  const std::string part(100, 'd');
  const int depth = 100;  // about 10,000 bytes of path per chain
  for (const char* top : {"one", "two"}) {
    int fd = open(dir.makeDir(top).c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    for (int i = 0; i < depth; ++i) {
      ASSERT_EQ(mkdirat(fd, part.c_str(), 0755), 0);
      int next = openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY);
      ASSERT_GE(next, 0);
      if (i == depth / 2) close(openat(fd, "middle.tmp", O_CREAT | O_WRONLY, 0644));
      close(fd);
      fd = next;
    }
    close(openat(fd, "bottom.tmp", O_CREAT | O_WRONLY, 0644));
    close(fd);
  }

  std::size_t folders = 0;
  std::size_t longest = 0;
  Lines names;
  find.OnFolderChange = [&](FindFile*, const std::string& f, FolderIgnore&) {
    ++folders;
    longest = std::max(longest, f.size());
  };
  find.OnFileMatch = [&](FindFile*, const std::string&, const SearchRecord& r) {
    names.push_back(r.Name);
  };
  find.Criteria().Files().SetLocation(dir.path());
  find.Criteria().Files().SetFileName("*.tmp");
  find.Execute();
  EXPECT_EQ(folders, 2 * static_cast<std::size_t>(depth) + 3);
  EXPECT_GT(longest, static_cast<std::size_t>(PATH_MAX));
  EXPECT_EQ(sorted(names), (Lines{"bottom.tmp", "bottom.tmp", "middle.tmp", "middle.tmp"}));
  removeTree(AT_FDCWD, dir / "one");
  removeTree(AT_FDCWD, dir / "two");
}

TEST_F(PosixWalkTest, ContentSearchOpensFilesRelativeToTheirFolderAndNeverPipes) {
  dir.writeFile("t/yes.txt", "some needle here");
  dir.writeFile("t/no.txt", "nothing");
  ASSERT_EQ(mkfifo((dir / "t/pipe.txt").c_str(), 0644), 0);
  SearchRecorder rec(find);
  find.Criteria().Files().SetLocation(dir / "t");
  find.Criteria().Content().SetPhrase("needle");
  find.Execute();  // would block forever on the pipe if it were opened for reading
  EXPECT_EQ(rec.matches(), Lines{root() + "t/yes.txt"});
}

TEST(PosixDirectory, AttributesOfEntries) {
  TempDir dir;
  dir.writeFile("plain", "abc");
  dir.writeFile(".hidden");
  dir.makeDir("folder");
  std::string ro = dir.writeFile("readonly");
  chmod(ro.c_str(), 0444);
  int sparse = open((dir / "sparse").c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_EQ(ftruncate(sparse, 1 << 24), 0);
  close(sparse);
  symlink("plain", (dir / "link").c_str());
  mkfifo((dir / "fifo").c_str(), 0644);

  PosixDirectoryReader reader;
  std::unique_ptr<Directory> d;
  ASSERT_EQ(reader.openFolder(dir.path(), d), OpenResult::Opened);
  FileRecord r;
  ASSERT_TRUE(d->stat("plain", r));
  EXPECT_EQ(r.attributes, kFileAttributeArchive);
  EXPECT_EQ(r.size, 3);
  EXPECT_GT(r.lastWriteTime, 116444736000000000ULL);
  EXPECT_GT(r.creationTime, 116444736000000000ULL);
  ASSERT_TRUE(d->stat(".hidden", r));
  EXPECT_EQ(r.attributes, kFileAttributeArchive | kFileAttributeHidden);
  ASSERT_TRUE(d->stat("folder", r));
  EXPECT_EQ(r.attributes, kFileAttributeDirectory);
  EXPECT_EQ(r.size, 0);
  ASSERT_TRUE(d->stat("readonly", r));
  EXPECT_EQ(r.attributes, kFileAttributeArchive | kFileAttributeReadOnly);
  ASSERT_TRUE(d->stat("sparse", r));
  EXPECT_EQ(r.attributes, kFileAttributeArchive | kFileAttributeSparse);
  EXPECT_EQ(r.size, 1 << 24);
  ASSERT_TRUE(d->stat("link", r));
  EXPECT_EQ(r.attributes, kFileAttributeReparsePoint);
  EXPECT_EQ(r.size, 0);  // as Windows reports links: a default junk scan leaves them out as empty
  ASSERT_TRUE(d->stat("fifo", r));
  EXPECT_EQ(r.attributes, kFileAttributeSystem);
  EXPECT_FALSE(d->stat("gone", r));
  std::unique_ptr<Directory> child;
  EXPECT_EQ(d->openChild("link", child), OpenResult::Skipped);
  EXPECT_EQ(d->openChild("plain", child), OpenResult::Skipped);
  EXPECT_EQ(d->openChild("gone", child), OpenResult::Unreadable);
  EXPECT_EQ(d->openChild("folder", child), OpenResult::Opened);
  EXPECT_EQ(d->openFile("fifo"), nullptr);
  EXPECT_EQ(d->openFile("link"), nullptr);
  EXPECT_NE(d->openFile("plain"), nullptr);
}

// What a deletion later checks: every match names the file and the folder it was found in.
TEST_F(PosixWalkTest, MatchesCarryTheIdentitiesOfFileAndFolder) {
  dir.writeFile("t/top.tmp");
  dir.writeFile("t/sub/deep.tmp");
  auto identityOf = [](const std::string& path) {
    struct stat st;
    EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
    return FileIdentity{st.st_dev, st.st_ino};
  };
  int matches = 0;
  find.OnFileMatch = [&](FindFile*, const std::string& folder, const SearchRecord& rec) {
    ++matches;
    EXPECT_TRUE(rec.Identity.known());
    EXPECT_EQ(rec.Identity, identityOf(folder + rec.Name));
    EXPECT_EQ(rec.FolderIdentity, identityOf(folder));
  };
  find.Criteria().Files().SetLocation(dir / "t");
  find.Execute();
  EXPECT_EQ(matches, 2);
}

TEST(PosixDirectory, MountPointsBelowARootAreNeverEntered) {
  // /proc is another mount below "/": opening it as a child of "/" must be refused.
  PosixDirectoryReader reader;
  std::unique_ptr<Directory> rootDir;
  ASSERT_EQ(reader.openFolder("/", rootDir), OpenResult::Opened);
  std::unique_ptr<Directory> proc;
  EXPECT_EQ(rootDir->openChild("proc", proc), OpenResult::Skipped);
  FileRecord r;
  ASSERT_TRUE(rootDir->stat("proc", r));
  EXPECT_EQ(r.attributes & (kFileAttributeDirectory | kFileAttributeSystem),
            kFileAttributeDirectory | kFileAttributeSystem);
}

// The list forms take each folder and mask whole: ";" and blanks are part of the name.
TEST_F(PosixWalkTest, ListItemsAreFoldersAndMasksAsTheyStand) {
  dir.writeFile("t/a;b/in.tmp");
  dir.writeFile("t/a/not.tmp");
  dir.writeFile("t/ blank /in.tmp");
  dir.writeFile("t/blank/not.tmp");
  dir.writeFile("t/mask/x;y.log");
  dir.writeFile("t/mask/x.log");
  const std::string t = root() + "t/";
  find.Criteria().Files().SetLocations(
      {t + "a;b", t + " blank ", "", t + "a;b/", "<" + t + "mask"});
  find.Criteria().Files().SetMasks({"*.tmp", "", "x;y.log", "*.TMP"});
  SearchRecorder rec(find);
  find.Execute();
  // One target for "a;b" named twice, whose masks accumulate (so its file is reported once
  // per mask); the "<" prefix still means no subfolders.
  EXPECT_EQ(sorted(rec.folders()), sorted(Lines{t + " blank /", t + "a;b/", t + "mask/"}));
  EXPECT_EQ(sorted(rec.matches()), sorted(Lines{t + " blank /in.tmp", t + "a;b/in.tmp",
                                                t + "a;b/in.tmp", t + "mask/x;y.log"}));

  // The text form's items come first and the list adds to them.
  find.Criteria().Files().SetLocation(t + "a");
  find.Criteria().Files().SetLocations({t + "blank"});
  find.Criteria().Files().SetFileName("*.tmp");
  find.Criteria().Files().SetMasks({});
  SearchRecorder both(find);
  find.Execute();
  EXPECT_EQ(sorted(both.matches()), sorted(Lines{t + "a/not.tmp", t + "blank/not.tmp"}));
}

}  // namespace
}  // namespace norvane
