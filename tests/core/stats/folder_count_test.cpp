// The folder statistics' count: which top-level entries get a row, the figures of a folder on a
// real file system, the order of rows and partitions, and the interface's turn once per time
// slice, where a stop arrives. (A stop inside the second folder: the window's test.)
#include "core/stats/folder_count.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>

#include "core/stats/top_level_folders.h"
#include "platform/link_size.h"
#include "platform/posix/posix_directory_reader.h"
#include "support/search/fake_directory_reader.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::FakeDirectoryReader;
using test::FakeNode;
using test::TempDir;

std::vector<std::string> sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

// Drives over fixed roots and sizes.
class TableVolumes : public Volumes {
 public:
  std::map<char, std::pair<std::string, std::int64_t>> drives;  // root, total size (-1: none)
  bool isFixedDrive(char letter) override { return drives.count(letter) != 0; }
  std::string rootPath(char letter) override {
    return drives.count(letter) ? drives[letter].first : std::string();
  }
  bool diskSpace(char letter, DiskSpace& out) override {
    if (!drives.count(letter) || drives[letter].second < 0) return false;
    out.total = drives[letter].second;
    return true;
  }
  bool volumeFacts(char, VolumeFacts&) override { return false; }
  char driveOfPath(const std::string&) override { return '\0'; }
};

// Counts with `reader` and keeps every row.
struct Counter {
  explicit Counter(DirectoryReader& reader)
      : search(std::shared_ptr<DirectoryReader>(&reader, [](DirectoryReader*) {})),
        count(search, reader) {
    count.onFolderCounted = [this](const FolderFigures& f) { rows.push_back(f); };
  }
  FindFile search;
  FolderCount count;
  std::vector<FolderFigures> rows;
};

TEST(TopLevelFolders, OnlyVisibleFoldersOfTheRootFileSystemGetARow) {
  TempDir dir;
  dir.makeDir("root/plain");
  dir.makeDir("root/with space");
  dir.makeDir("root/.hidden");
  dir.writeFile("root/file.txt", "x");
  ASSERT_EQ(symlink("plain", (dir / "root/link-to-folder").c_str()), 0);
  ASSERT_EQ(mkfifo((dir / "root/pipe").c_str(), 0644), 0);
  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = dir / "root/socket";
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

  PosixDirectoryReader reader;
  for (const std::string& root : {dir / "root", dir / "root/"}) {
    const TopLevelFolders top = listTopLevelFolders(reader, root);
    EXPECT_TRUE(top.listed);
    EXPECT_EQ(sorted(top.folders),
              (std::vector<std::string>{dir / "root/plain", dir / "root/with space"}));
  }
  close(sock);

  const TopLevelFolders missing = listTopLevelFolders(reader, dir / "missing");
  EXPECT_FALSE(missing.listed);
  EXPECT_TRUE(missing.folders.empty());
  EXPECT_FALSE(listTopLevelFolders(reader, dir / "root/file.txt").listed);

  EXPECT_EQ(childPath("/", "usr"), "/usr");
  EXPECT_EQ(childPath("/mnt/data/", "a b"), "/mnt/data/a b");
}

TEST(FolderCount, FiguresOfAFolderOnDisk) {
  TempDir dir;
  dir.writeFile("root/a/x", "abc");
  dir.writeFile("root/a/.hidden", "1234");
  dir.writeFile("root/a/sub/y", "12345");
  dir.writeFile("root/a/.hsub/z", "123456");
  ASSERT_EQ(symlink("./x", (dir / "root/a/link").c_str()), 0);  // its own size: 3
  ASSERT_EQ(link((dir / "root/a/x").c_str(), (dir / "root/a/sub/hard").c_str()), 0);
  ASSERT_EQ(mkfifo((dir / "root/a/sub/pipe").c_str(), 0644), 0);
  dir.makeDir("root/empty");
  dir.writeFile("root/.dot/w", "never counted");
  dir.writeFile("root/top.txt", "never counted");
  const std::string locked = dir.writeFile("root/b/locked/inside", "never counted");
  chmod((dir / "root/b/locked").c_str(), 0);

  PosixDirectoryReader reader;
  Counter counter(reader);
  counter.count.linkSize = symbolicLinkSize;
  EXPECT_EQ(counter.count.countRoot(dir / "root/", 1000), FolderCount::RootResult::Counted);
  chmod((dir / "root/b/locked").c_str(), 0755);
  ASSERT_EQ(counter.rows.size(), 3u);
  std::map<std::string, FolderFigures> byPath;
  for (const FolderFigures& row : counter.rows) byPath[row.path] = row;

  const FolderFigures& a = byPath[dir / "root/a"];
  EXPECT_EQ(a.folders, 2);                        // sub, .hsub
  EXPECT_EQ(a.files, 7);                          // x, .hidden, y, z, link, hard, pipe
  EXPECT_EQ(a.bytes, 3 + 4 + 5 + 6 + 3 + 3 + 0);  // what find -printf %s adds up
  EXPECT_EQ(a.partitionSize, 1000);
  EXPECT_TRUE(a.complete);

  const FolderFigures& empty = byPath[dir / "root/empty"];
  EXPECT_EQ(empty.folders + empty.files + empty.bytes, 0);

  // An unreadable folder counts as a folder of its parent; what lies in it does not count
  // (unless the tests run as root, which reads it anyway).
  const FolderFigures& b = byPath[dir / "root/b"];
  EXPECT_EQ(b.folders, 1);
  if (geteuid() != 0) {
    EXPECT_EQ(b.files, 0);
  }
}

TEST(FolderCount, RowsFollowListingOrderAndPartitionsTheGivenOrder) {
  FakeDirectoryReader reader;
  FakeNode& c = reader.root.dir("c");
  c.dir("zeta").file("one", "1").dir("deeper").file("two", "22");
  c.file("rootfile", "not a folder");
  c.dir("alpha");
  FakeNode& hiddenSystem = c.dir("volume info");
  hiddenSystem.extraAttributes = kFileAttributeSystem;  // as a mount point shows
  hiddenSystem.file("x", "never counted");
  reader.root.dir("d").dir("only").file("f", "four");

  TableVolumes volumes;
  volumes.drives['C'] = {"/c/", 100};
  volumes.drives['D'] = {"/d/", -1};
  Counter counter(reader);
  // D first: the order of the checked rows, not of the letters. Drive E has gone.
  EXPECT_TRUE(counter.count.countPartitions(volumes, {4, 5, 3}));
  ASSERT_EQ(counter.rows.size(), 3u);
  EXPECT_EQ(counter.rows[0].path, "/d/only");
  EXPECT_EQ(counter.rows[0].partitionSize, -1);
  EXPECT_EQ(counter.rows[1].path, "/c/zeta");
  EXPECT_EQ(counter.rows[1].folders, 1);
  EXPECT_EQ(counter.rows[1].files, 2);
  EXPECT_EQ(counter.rows[1].bytes, 3);
  EXPECT_EQ(counter.rows[1].partitionSize, 100);
  EXPECT_EQ(counter.rows[2].path, "/c/alpha");
  EXPECT_EQ(counter.rows[2].folders + counter.rows[2].files, 0);
  EXPECT_FALSE(counter.count.running());
}

// A directory whose look-ups take a while, as on a slow disk.
class SlowDirectory : public Directory {
 public:
  explicit SlowDirectory(std::unique_ptr<Directory> inner) : inner_(std::move(inner)) {}
  bool list(DirectoryListing& out) override { return inner_->list(out); }
  bool stat(const char* name, FileRecord& out) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return inner_->stat(name, out);
  }
  OpenResult openChild(const char* name, std::unique_ptr<Directory>& out) override {
    std::unique_ptr<Directory> child;
    const OpenResult result = inner_->openChild(name, child);
    if (child) out = std::make_unique<SlowDirectory>(std::move(child));
    return result;
  }
  std::unique_ptr<ReadableFile> openFile(const char* name) override {
    return inner_->openFile(name);
  }

 private:
  std::unique_ptr<Directory> inner_;
};

class SlowReader : public FakeDirectoryReader {
 public:
  OpenResult openFolder(const std::string& path, std::unique_ptr<Directory>& out) override {
    std::unique_ptr<Directory> inner;
    const OpenResult result = FakeDirectoryReader::openFolder(path, inner);
    if (inner) out = std::make_unique<SlowDirectory>(std::move(inner));
    return result;
  }
};

TEST(FolderCount, TheInterfaceGetsItsTurnOncePerSliceAndAStopArrivesThere) {
  SlowReader reader;
  FakeNode& big = reader.root.dir("c").dir("big");
  for (int i = 0; i < 100; ++i) big.file("f" + std::to_string(i), "x");  // about 200 ms
  Counter counter(reader);
  int turns = 0;
  counter.count.letInterfaceRun = [&] { ++turns; };
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(counter.count.countRoot("/c", 1), FolderCount::RootResult::Counted);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(turns, 1);
  // A turn per 30 ms slice, not per entry.
  EXPECT_LE(turns, took / std::chrono::milliseconds(30) + 1);
  EXPECT_EQ(counter.rows.at(0).files, 100);

  // A stop pressed during the interface's turn ends the walk there.
  counter.rows.clear();
  counter.count.letInterfaceRun = [&] {
    EXPECT_EQ(counter.count.currentFolder(), "/c/big/");
    counter.count.stop();
  };
  EXPECT_EQ(counter.count.countRoot("/c", 1), FolderCount::RootResult::Stopped);
  ASSERT_EQ(counter.rows.size(), 1u);
  EXPECT_LT(counter.rows[0].files, 30);
}

}  // namespace
}  // namespace norvane
