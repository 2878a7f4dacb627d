// norvane-find as a script sees it: exit codes, output order and the summary line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/program_run.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::TempDir;

using CliResult = test::ProgramRun;

CliResult runFind(const TempDir& scratch, const std::vector<std::string>& args) {
  return test::runProgram(NORVANE_FIND_EXE, args, scratch.path());
}

class FindCliTest : public ::testing::Test {
 protected:
  FindCliTest() {
    dir.writeFile("t/a.tmp", "12345");
    dir.writeFile("t/~x.tmp", "hello World");
    dir.writeFile("t/keep.txt", "abc");
    dir.writeFile("t/sub/b.tmp", "1");
    dir.writeFile("t/sub/deeper/c.log", "");
  }
  std::string t() const { return dir / "t"; }
  TempDir dir;
  TempDir scratch;
};

TEST_F(FindCliTest, BadArgumentsExitWithTwoAndSayWhy) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},
           {"--bogus"},
           {"--location"},
           {"--location", "/x", "--min-level", "two"},
           {"--location", "/x", "--max-level", "70000"},
           {"--location", "/x", "--max-size", "-1"},
           {"--location", "/x", "--summary=yes"},
           {"--location", "/x", "--readahead-threads", "65"},
           {"--location", "/x", "--no-readahead=1"},
           {"/x"}}) {
    CliResult run = runFind(scratch, args);
    EXPECT_EQ(run.code, 2) << (args.empty() ? "(none)" : args.back());
    EXPECT_NE(run.err.find("norvane-find: "), std::string::npos);
    EXPECT_TRUE(run.out.empty());
  }
  CliResult help = runFind(scratch, {"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("--location LIST"), std::string::npos);
}

TEST_F(FindCliTest, PrintsMatchesInReportOrderRepeatsIncluded) {
  CliResult run = runFind(scratch, {"--location", t(), "--masks", "*.tmp;~*.*"});
  ASSERT_EQ(run.code, 0) << run.err;
  std::vector<std::string> lines = run.lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], t() + "/~x.tmp");  // the last mask is served first
  EXPECT_EQ(std::count(lines.begin(), lines.end(), t() + "/~x.tmp"), 2);
  EXPECT_EQ(lines[3], t() + "/sub/b.tmp");  // a folder's own files before its sub-folders
}

TEST_F(FindCliTest, SummaryCountsFoldersMatchesAndBytes) {
  CliResult run = runFind(scratch, {"--location", t(), "--summary"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "folders=3 files=5 bytes=20\n");
  run = runFind(scratch, {"--location", t(), "--masks", "*.*", "--directories", "--summary"});
  EXPECT_EQ(run.out, "folders=3 files=7 bytes=20\n");
  run = runFind(scratch, {"--location", t() + "/missing", "--summary"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "folders=1 files=0 bytes=0\n");
}

TEST_F(FindCliTest, CriteriaOptions) {
  auto count = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = {"--location", t(), "--summary"};
    args.insert(args.end(), extra.begin(), extra.end());
    return runFind(scratch, args).out;
  };
  EXPECT_EQ(count({"--no-subfolders"}), "folders=1 files=3 bytes=19\n");
  EXPECT_EQ(count({"--max-level", "2"}), "folders=2 files=4 bytes=20\n");
  EXPECT_EQ(count({"--min-level", "2"}), "folders=3 files=2 bytes=1\n");
  EXPECT_EQ(count({"--min-size", "3", "--max-size", "5"}), "folders=3 files=2 bytes=8\n");
  EXPECT_EQ(count({"--exclude", "*.tmp", "--exclude", "deeper/"}), "folders=3 files=1 bytes=3\n");
  EXPECT_EQ(count({"--phrase", "WORLD", "--whole-word"}), "folders=3 files=1 bytes=11\n");
  EXPECT_EQ(count({"--phrase", "WORLD", "--case-sensitive"}), "folders=3 files=0 bytes=0\n");
  CliResult included = runFind(scratch, {"--include", t() + "/sub/*.tmp", "--no-subfolders"});
  EXPECT_EQ(included.out, t() + "/sub/b.tmp\n");
}

TEST_F(FindCliTest, ReadAheadChangesNothingButTheThreads) {
  const std::vector<std::string> args = {"--location", t(), "--masks", "*.tmp;~*.*;*.*"};
  const CliResult usual = runFind(scratch, args);
  ASSERT_EQ(usual.code, 0) << usual.err;
  ASSERT_EQ(usual.lines().size(), 9u);
  for (const std::vector<std::string>& extra : std::vector<std::vector<std::string>>{
           {"--no-readahead"}, {"--readahead-threads", "1"}, {"--readahead-threads=16"}}) {
    std::vector<std::string> more = args;
    more.insert(more.end(), extra.begin(), extra.end());
    const CliResult run = runFind(scratch, more);
    EXPECT_EQ(run.code, 0) << extra[0];
    EXPECT_EQ(run.out, usual.out) << extra[0];
  }
}

}  // namespace
}  // namespace norvane
