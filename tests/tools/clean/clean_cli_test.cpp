// norvane-clean as a cron job runs it, on fixture trees: the list it writes, the deletion with
// its status lines, freed size and exit codes, a folder swapped for a link between scan and
// deletion, and command lines that must delete nothing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "support/program_run.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace norvane {
namespace {

using test::TempDir;
using Lines = std::vector<std::string>;

using CliResult = test::ProgramRun;

// Runs norvane-clean with `args`, the environment changed by `env`; as "nobody" when
// `unprivileged` and this process is root.
CliResult runClean(const TempDir& scratch, const Lines& args,
                   const std::map<std::string, std::string>& env = {}, bool unprivileged = false) {
  return test::runProgram(NORVANE_CLEAN_EXE, args, scratch.path(), {env, "", unprivileged});
}

struct stat statOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st;
}

bool present(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// The list line of `path` as the scan must write it, from the file system's own answers.
std::string expectedLine(const std::string& folder, const std::string& name,
                         const std::string& escaped) {
  const struct stat f = statOf(folder), st = statOf(folder + "/" + name);
  std::ostringstream line;
  line << f.st_dev << ':' << f.st_ino << '\t' << st.st_dev << ':' << st.st_ino << '\t' << st.st_size
       << '\t' << st.st_mtim.tv_sec << '\t' << escaped;
  return line.str();
}

Lines sorted(Lines l) {
  std::sort(l.begin(), l.end());
  return l;
}

class CleanCliTest : public ::testing::Test {
 protected:
  CleanCliTest() {
    // Deletion at the next start is off: a test never registers anything with the system.
    settings = dir.writeFile("Setup.ini", "[ScanSet]\nOptichk8=0\n");
  }
  std::string t() const { return dir / "t"; }
  CliResult clean(Lines args) {
    args.push_back("--settings");
    args.push_back(settings);
    return runClean(scratch, args);
  }
  std::string writeList(const std::string& text) { return scratch.writeFile("list", text); }

  TempDir dir;
  TempDir scratch;
  std::string settings;
};

TEST_F(CleanCliTest, ScanWritesIdentitiesSizeTimeAndTheEscapedPath) {
  dir.writeFile("t/a.tmp", "12345");
  dir.writeFile("t/tab\tname.bak", "x");
  dir.writeFile("t/new\nline.log", "xy");
  dir.writeFile("t/back\\slash.old", "");
  dir.writeFile("t/keep.txt", "not junk");
  dir.writeFile("t/sub/b.tmp", "1");
  const CliResult run = clean({"scan", "--folder", t()});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(run.err.empty());
  const std::string base = t() + "/";
  EXPECT_EQ(sorted(run.lines()),
            sorted({expectedLine(t(), "a.tmp", base + "a.tmp"),
                    expectedLine(t(), "tab\tname.bak", base + "tab\\tname.bak"),
                    expectedLine(t(), "new\nline.log", base + "new\\nline.log"),
                    expectedLine(t(), "back\\slash.old", base + "back\\\\slash.old"),
                    expectedLine(t() + "/sub", "b.tmp", base + "sub/b.tmp")}));

  // Targets in the order given; a file found by two of them is listed twice.
  const CliResult twice = clean({"scan", "--folder", t() + "/sub", "--folder", t()});
  ASSERT_EQ(twice.code, 0);
  const Lines lines = twice.lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], expectedLine(t() + "/sub", "b.tmp", base + "sub/b.tmp"));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), lines[0]), 2);

  // Without read-ahead, the same list in the same order.
  EXPECT_EQ(clean({"scan", "--folder", t() + "/sub", "--no-readahead", "--folder", t()}).out,
            twice.out);

  const CliResult nothing = clean({"scan", "--folder", dir / "missing"});
  EXPECT_EQ(nothing.code, 0);
  EXPECT_TRUE(nothing.out.empty());
}

TEST_F(CleanCliTest, SettingsDecideTypesAndOptionsAndTheTemporaryFoldersTakeEveryFile) {
  dir.writeFile("t/a.tmp", "x");
  dir.writeFile("t/b.log", "x");
  dir.writeFile("t/empty.log", "");
  dir.writeFile("tmp/keep.txt", "in the temporary folder everything is junk");
  dir.writeFile("cache/page.html", "and in the browser cache");
  const std::string only = dir.writeFile("only-logs.ini",
                                         "[ScanSet]\nOptichk6=0\nOptichk8=0\n"
                                         "[FileList]\n日志文件=*.log;\n");
  CliResult run = runClean(scratch, {"scan", "--folder", t(), "--settings", only});
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.lines().size(), 1u);
  EXPECT_NE(run.out.find(t() + "/b.log\n"), std::string::npos);

  run = runClean(scratch, {"scan", "--temp", "--settings", settings},
                 {{"TMPDIR", dir / "tmp"},
                  {"XDG_CACHE_HOME", dir / "cache"},
                  {"HOME", dir / "home"},
                  {"XDG_CONFIG_HOME", dir / "config"}});
  ASSERT_EQ(run.code, 0) << run.err;
  const Lines lines = run.lines();
  ASSERT_EQ(lines.size(), 2u) << run.out;
  EXPECT_NE(run.out.find(dir / "tmp/keep.txt\n"), std::string::npos);
  EXPECT_NE(run.out.find(dir / "cache/page.html\n"), std::string::npos);
}

TEST_F(CleanCliTest, DeleteReportsEveryFileTheFreedSizeAndTheExitCode) {
  dir.writeFile("t/a.tmp", std::string(1000, 'a'));
  dir.writeFile("t/b.tmp", std::string(24, 'b'));
  const std::string readOnly = dir.writeFile("t/ro.bak", "r");
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  const std::string list = writeList(clean({"scan", "--folder", t()}).out);

  // A dry run tells and deletes nothing.
  CliResult run = clean({"delete", list, "--dry-run"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(
      sorted(run.lines()),
      sorted({"删除成功\t" + t() + "/a.tmp", "删除成功\t" + t() + "/b.tmp",
              "删除失败\t" + t() + "/ro.bak", "试运行，未删除任何文件：可释放1.00 KB磁盘空间。"}));
  EXPECT_TRUE(present(t() + "/a.tmp"));

  run = clean({"delete", list});
  EXPECT_EQ(run.code, 1);  // the read-only file stayed
  const Lines lines = run.lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines.back(), "文件清理完成，共释放1.00 KB磁盘空间。");
  EXPECT_FALSE(present(t() + "/a.tmp"));
  EXPECT_FALSE(present(t() + "/b.tmp"));
  EXPECT_TRUE(present(readOnly));

  // Only deletable files: exit 0. Files gone meanwhile count as not deleted.
  ASSERT_EQ(::chmod(readOnly.c_str(), 0644), 0);
  const std::string roList = writeList(clean({"scan", "--folder", t()}).out);
  run = clean({"delete", roList});
  EXPECT_EQ(run.code, 0) << run.out;
  EXPECT_EQ(run.lines(), (Lines{"删除成功\t" + readOnly, "文件清理完成，共释放1 byte磁盘空间。"}));
  run = clean({"delete", roList});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.lines(),
            (Lines{"文件不存在\t" + readOnly, "文件清理完成，共释放0 byte磁盘空间。"}));
  // An empty list deletes nothing and fails nothing.
  run = clean({"delete", writeList("")});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "文件清理完成，共释放0 byte磁盘空间。\n");
}

// The scanned folder, and a folder below it, become links to folders holding files of the same
// names; a file is swapped for another. Nothing outside the scanned folders is deleted.
TEST_F(CleanCliTest, FoldersSwappedForLinksBetweenScanAndDeletionDeleteNothingElsewhere) {
  dir.writeFile("t/a.tmp", "junk");
  dir.writeFile("t/sub/b.tmp", "junk");
  dir.writeFile("t/c.tmp", "junk");
  dir.writeFile("u/d.tmp", "junk");
  const Lines victims = {dir.writeFile("victim/a.tmp", "theirs"),
                         dir.writeFile("victim/b.tmp", "theirs"),
                         dir.writeFile("victim/d.tmp", "theirs")};
  const std::string scanned = clean({"scan", "--folder", t(), "--folder", dir / "u"}).out;
  ASSERT_EQ(std::count(scanned.begin(), scanned.end(), '\n'), 4);
  const std::string list = writeList(scanned);

  ASSERT_EQ(::rename((t() + "/sub").c_str(), (dir / "sub.moved").c_str()), 0);
  ASSERT_EQ(::symlink((dir / "victim").c_str(), (t() + "/sub").c_str()), 0);
  ASSERT_EQ(::rename((dir / "u").c_str(), (dir / "u.moved").c_str()), 0);
  ASSERT_EQ(::symlink((dir / "victim").c_str(), (dir / "u").c_str()), 0);
  ASSERT_EQ(::rename((t() + "/c.tmp").c_str(), (t() + "/c.kept").c_str()), 0);
  dir.writeFile("t/c.tmp", "a newcomer");

  const CliResult run = clean({"delete", list});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(sorted(run.lines()),
            sorted({"删除成功\t" + t() + "/a.tmp", "文件不存在\t" + t() + "/sub/b.tmp",
                    "文件不存在\t" + t() + "/c.tmp", "文件不存在\t" + dir / "u/d.tmp",
                    "文件清理完成，共释放4 byte磁盘空间。"}));
  for (const std::string& kept : victims) EXPECT_TRUE(present(kept)) << kept;
  EXPECT_TRUE(present(dir / "sub.moved/b.tmp"));
  EXPECT_TRUE(present(dir / "u.moved/d.tmp"));
  EXPECT_TRUE(present(t() + "/c.tmp"));
  EXPECT_TRUE(present(t() + "/c.kept"));
}

TEST_F(CleanCliTest, AFileThatRefusesDeletionIsRegisteredWhenTheSettingsAskForIt) {
  // Registered as a user would: into the user's own list and autostart folder, here fixtures.
  const std::string readOnly = dir.writeFile("t/ro.tmp", "r");
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  const std::string atRestart = dir.writeFile("restart.ini", "[ScanSet]\nOptichk8=1\n");
  for (const std::string& folder : {dir.path(), t(), scratch.path()})
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
  if (!test::unprivilegedCanReach(readOnly)) GTEST_SKIP() << "nobody can't reach the fixture";
  const std::map<std::string, std::string> env = {{"HOME", dir / "home"},
                                                  {"XDG_STATE_HOME", dir / "state"},
                                                  {"XDG_CONFIG_HOME", dir / "config"}};
  const CliResult scan =
      runClean(scratch, {"scan", "--folder", t(), "--settings", atRestart}, env, true);
  const std::string list = scratch / "list";
  {
    const int fd = ::open(list.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, scan.out.data(), scan.out.size()), static_cast<ssize_t>(scan.out.size()));
    ::close(fd);
  }
  const CliResult run = runClean(scratch, {"delete", list, "--settings", atRestart}, env, true);
  EXPECT_EQ(run.code, 0) << run.out << run.err;
  EXPECT_EQ(run.lines(), (Lines{"重启删除\t" + readOnly, "文件清理完成，共释放0 byte磁盘空间。"}));
  EXPECT_NE(test::readWholeFile(dir / "state/norvane/pending-delete.list").find(readOnly),
            std::string::npos);
  EXPECT_TRUE(present(dir / "config/autostart/norvane-pending-delete.desktop"));
  EXPECT_TRUE(present(readOnly));
}

TEST_F(CleanCliTest, WrongCommandLinesExitWithTwoAndDeleteNothing) {
  const std::string junk = dir.writeFile("t/a.tmp", "junk");
  const std::string good = clean({"scan", "--folder", t()}).out;
  ASSERT_FALSE(good.empty());
  const std::string list = writeList(good);
  const std::string badLine = scratch.writeFile("bad", good + "1:2\t3:4\t5\t6\trelative/path\n");
  const std::string badEscape = scratch.writeFile("escape", good + "1:2\t3:4\t5\t6\t/a\\qb\n");
  const std::string fewFields = scratch.writeFile("few", good + "1:2\t3:4\t/a/b\n");
  for (const Lines& args : std::vector<Lines>{{},
                                              {"scan"},
                                              {"scan", "--bogus"},
                                              {"scan", "--folder"},
                                              {"scan", "--folder", t(), "--dry-run"},
                                              {"delete"},
                                              {"delete", dir / "no-such-list"},
                                              {"delete", badLine},
                                              {"delete", badEscape},
                                              {"delete", fewFields},
                                              {"delete", list, "--temp"},
                                              {"delete", list, "--no-readahead"},
                                              {"delete", list, list},
                                              {"delete", list, "--settings", dir / "missing.ini"},
                                              {"frobnicate", list}}) {
    const CliResult run = runClean(scratch, args);
    const std::string shown = args.empty() ? "(none)" : args.front() + " " + args.back();
    EXPECT_EQ(run.code, 2) << shown;
    EXPECT_NE(run.err.find("norvane-clean: "), std::string::npos) << shown;
    EXPECT_TRUE(run.out.empty()) << shown;
    EXPECT_TRUE(present(junk)) << shown;
  }
  const CliResult help = runClean(scratch, {"delete", list, "--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("norvane-clean scan"), std::string::npos);
  EXPECT_TRUE(present(junk));
}

}  // namespace
}  // namespace norvane
