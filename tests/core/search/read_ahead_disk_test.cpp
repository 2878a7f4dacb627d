// Read-ahead on real folders: with odd names, links, pipes, unreadable folders and a tree deeper
// than the path limit and every descriptor budget, the search reports the same with read-ahead
// as without, in the same order, and keeps a bounded number of folders open.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "core/search/find_file.h"
#include "core/search/search_walk.h"
#include "platform/posix/posix_directory_reader.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace norvane {
namespace {

using Lines = std::vector<std::string>;
using test::TempDir;

Lines walk(const std::string& location, const ReadAheadOptions& options,
           const std::function<void(SearchCriteria&)>& criteria) {
  Lines log;
  FindFile find;
  find.SetReadAhead(options);
  find.Criteria().Files().SetLocation(location);
  criteria(find.Criteria());
  find.OnFolderChange = [&](FindFile*, const std::string& folder, FolderIgnore&) {
    log.push_back("folder " + folder);
  };
  find.OnFileMatch = [&](FindFile*, const std::string& folder, const SearchRecord& r) {
    log.push_back("match " + folder + r.Name + " " + std::to_string(r.Size) + " " +
                  std::to_string(r.Attr) + " " + std::to_string(r.Identity.inode) + " " +
                  std::to_string(r.FolderIdentity.inode));
  };
  find.Execute();
  return log;
}

// A chain of `depth` folders with 100-byte names below `top`, a side folder and a file at every
// level; far deeper than the path limit and the walk's open-folder budget.
void makeChain(const std::string& top, int depth) {
  const std::string part(100, 'd');
  int fd = open(top.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  for (int i = 0; i < depth; ++i) {
    ASSERT_EQ(mkdirat(fd, part.c_str(), 0755), 0);
    ASSERT_EQ(mkdirat(fd, "side", 0755), 0);
    close(openat(fd, ("f" + std::to_string(i) + ".tmp").c_str(), O_CREAT | O_WRONLY, 0644));
    int next = openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(next, 0);
    close(fd);
    fd = next;
  }
  close(openat(fd, "bottom.tmp", O_CREAT | O_WRONLY, 0644));
  close(fd);
}

// Removes a chain of any depth, one folder descriptor at a time.
void removeChain(int parentFd, const std::string& name) {
  int fd = openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
  if (fd < 0) {
    unlinkat(parentFd, name.c_str(), 0);
    return;
  }
  DIR* d = fdopendir(dup(fd));
  std::vector<std::string> names;
  while (dirent* e = d ? readdir(d) : nullptr) {
    if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
  }
  if (d) closedir(d);
  for (const auto& n : names)
    if (unlinkat(fd, n.c_str(), 0) != 0) removeChain(fd, n);
  close(fd);
  unlinkat(parentFd, name.c_str(), AT_REMOVEDIR);
}

class ReadAheadOnDisk : public ::testing::Test {
 protected:
  ReadAheadOnDisk() {
    chmod(dir.path().c_str(), 0755);
    for (const char* name : {"with space.tmp", "-leading.tmp", "new\nline.tmp", "\xff\xfe.tmp",
                             "\xe4\xb8\xad\xe6\x96\x87.TMP", ".hidden.tmp", "keep.txt", "~a.doc"}) {
      dir.writeFile(std::string("t/odd/") + name, "abc");
      dir.writeFile(std::string("t/odd/") + name + " folder/x.tmp", "x");
    }
    dir.writeFile("t/locked/secret.tmp", "s");
    dir.writeFile("t/locked/inner/deeper.tmp", "d");
    chmod((dir / "t/locked").c_str(), 0);
    dir.writeFile("elsewhere/far.tmp");
    symlink((dir / "elsewhere").c_str(), (dir / "t/link to folder").c_str());
    symlink((dir / "t").c_str(), (dir / "t/odd/loop").c_str());
    symlink("missing", (dir / "t/dangling.tmp").c_str());
    mkfifo((dir / "t/pipe.tmp").c_str(), 0644);
    dir.makeDir("t/empty");
    for (int i = 0; i < 60; ++i) {
      for (int j = 0; j < 3; ++j)
        dir.writeFile("t/many/m" + std::to_string(i) + "/f" + std::to_string(j) + ".tmp", "m");
    }
    makeChain(dir.makeDir("t/chain"), 90);
    chmod((dir / "t").c_str(), 0755);
  }
  ~ReadAheadOnDisk() override {
    chmod((dir / "t/locked").c_str(), 0755);
    removeChain(AT_FDCWD, dir / "t/chain");
  }

  TempDir dir;
};

ReadAheadOptions tight(unsigned threads) {
  ReadAheadOptions options;
  options.threads = threads;
  options.bufferBytes = 4096;
  options.openFolders = 4;
  return options;
}

const std::vector<std::function<void(SearchCriteria&)>>& criteriaCases() {
  static const std::vector<std::function<void(SearchCriteria&)>> cases = {
      [](SearchCriteria& c) {
        FileAttributes attributes = c.Attribute().Attributes();
        attributes.Include(ffDirectory);
        c.Attribute().SetAttributes(attributes);
      },
      [](SearchCriteria& c) { c.Files().SetFileName("*.tmp;~*.*"); },
      [](SearchCriteria& c) {
        c.Files().SetMinLevel(2);
        c.Files().SetMaxLevel(40);
      },
  };
  return cases;
}

TEST_F(ReadAheadOnDisk, ReportsWhatTheWalkAloneReports) {
  for (const auto& criteria : criteriaCases()) {
    const Lines plain = walk(dir / "t", ReadAheadOptions::off(), criteria);
    ASSERT_GT(plain.size(), 100u);
    EXPECT_EQ(walk(dir / "t", ReadAheadOptions::defaults(), criteria), plain);
    EXPECT_EQ(walk(dir / "t", tight(3), criteria), plain);
  }
}

TEST_F(ReadAheadOnDisk, UnreadableFoldersAsAUserWithoutRights) {
  if (!test::unprivilegedCanReach(dir / "t/odd/keep.txt"))
    GTEST_SKIP() << "an unprivileged user can't reach the temporary folder";
  const std::string t = dir / "t";
  const int status = test::runUnprivileged([&] {
    for (const auto& criteria : criteriaCases()) {
      const Lines plain = walk(t, ReadAheadOptions::off(), criteria);
      // The locked folder is announced and gives nothing.
      if (std::find(plain.begin(), plain.end(), "folder " + t + "/locked/") == plain.end()) {
        return 1;
      }
      if (walk(t, ReadAheadOptions::defaults(), criteria) != plain) return 2;
      if (walk(t, tight(3), criteria) != plain) return 3;
    }
    return 0;
  });
  EXPECT_EQ(status, 0);
}

int openDescriptors() {
  int count = 0;
  DIR* d = opendir("/proc/self/fd");
  while (d && readdir(d)) ++count;
  if (d) closedir(d);
  return count;
}

TEST_F(ReadAheadOnDisk, OpenFoldersStayWithinTheBudgets) {
  const int before = openDescriptors();
  int most = 0;
  FindFile find;
  const ReadAheadOptions options = ReadAheadOptions::defaults();
  find.SetReadAhead(options);
  find.Criteria().Files().SetLocation(dir / "t");
  int folders = 0;
  find.OnFolderChange = [&](FindFile*, const std::string&, FolderIgnore&) {
    ++folders;
    most = std::max(most, openDescriptors() - before);
  };
  find.Execute();
  EXPECT_GT(folders, 200);
  EXPECT_LE(most, static_cast<int>(SearchWalk::kOpenFolderBudget + options.openFolders +
                                   options.threads + 4));
  EXPECT_EQ(openDescriptors(), before);
}

TEST(PosixDirectory, IndependentChildrenOpenLikeChildren) {
  PosixDirectoryReader reader;
  std::unique_ptr<Directory> root;
  ASSERT_EQ(reader.openFolder("/", root), OpenResult::Opened);
  std::unique_ptr<Directory> proc;
  EXPECT_EQ(root->openIndependentChild("proc", proc), OpenResult::Skipped);  // another mount
  TempDir dir;
  dir.writeFile("sub/x");
  symlink("sub", (dir / "link").c_str());
  std::unique_ptr<Directory> top, same, sub, up, viaLink;
  ASSERT_EQ(reader.openFolder(dir.path(), top), OpenResult::Opened);
  ASSERT_EQ(top->openIndependentChild(".", same), OpenResult::Opened);
  EXPECT_EQ(same->identity(), top->identity());
  ASSERT_EQ(top->openIndependentChild("sub", sub), OpenResult::Opened);
  ASSERT_EQ(sub->openIndependentChild("..", up), OpenResult::Opened);
  EXPECT_EQ(up->identity(), top->identity());
  EXPECT_EQ(top->openIndependentChild("link", viaLink), OpenResult::Skipped);
  // Opened apart from the walk: closing the parent leaves the child usable.
  top.reset();
  DirectoryListing listing;
  EXPECT_TRUE(sub->list(listing));
  ASSERT_EQ(listing.size(), 1u);
  EXPECT_EQ(listing.nameView(0), "x");
}

}  // namespace
}  // namespace norvane
