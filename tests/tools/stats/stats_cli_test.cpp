// norvane-stats as a script sees it: one escaped, tab-separated line per top-level folder,
// roots in order, and the exit codes.
#include <gtest/gtest.h>

#include <sstream>

#include "core/stats/size_column.h"
#include "platform/file_system_size.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::TempDir;

using CliResult = test::ProgramRun;

// Runs norvane-stats in `workingFolder` with the C locale, so the decimal separator is ".".
CliResult runStats(const TempDir& scratch, const std::vector<std::string>& args,
                   const std::string& workingFolder = "/") {
  return test::runProgram(NORVANE_STATS_EXE, args, scratch.path(),
                          {{{"LC_ALL", "C"}}, workingFolder});
}

TEST(StatsCli, WrongCommandLinesExitWithTwoAndSayWhy) {
  TempDir scratch;
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"--bogus", "/tmp"}, {"-x"}, {"--"}, {"--help=yes"}}) {
    CliResult run = runStats(scratch, args);
    EXPECT_EQ(run.code, 2) << (args.empty() ? "(none)" : args.front());
    EXPECT_NE(run.err.find("norvane-stats: "), std::string::npos);
    EXPECT_TRUE(run.out.empty());
  }
  CliResult help = runStats(scratch, {"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("Usage: norvane-stats"), std::string::npos);
}

TEST(StatsCli, OneEscapedLinePerFolderWithTheSizeColumnOfThePage) {
  TempDir dir, scratch;
  dir.writeFile("root/tab\there/a", "12345");
  dir.writeFile("root/new\nline/sub/b", "1");
  dir.makeDir("root/back\\slash");
  dir.makeDir("root/.hidden");
  dir.writeFile("root/file", "not a folder");

  // Relative, with a trailing separator: made absolute, one separator before the name.
  CliResult run = runStats(scratch, {"root/"}, dir.path());
  ASSERT_EQ(run.code, 0) << run.err;
  std::vector<std::string> lines = run.lines();
  std::sort(lines.begin(), lines.end());
  const std::int64_t total = fileSystemTotalSize(dir.path());
  ASSERT_GT(total, 0);
  const std::string root = dir / "root/";
  EXPECT_EQ(lines, (std::vector<std::string>{
                       root + "back\\\\slash\t0\t0\t0\t" + sizeColumnText(0, total, '.'),
                       root + "new\\nline\t1\t1\t1\t" + sizeColumnText(1, total, '.'),
                       root + "tab\\there\t0\t1\t5\t" + sizeColumnText(5, total, '.'),
                   }));
}

TEST(StatsCli, RootsRunInOrderAndAnUnlistableOneMakesTheStatusOne) {
  TempDir dir, scratch;
  dir.writeFile("one/a/x", "1");
  dir.writeFile("two/b/y", "22");
  dir.writeFile("-dash/c/z", "333");
  CliResult run =
      runStats(scratch, {"--", dir / "two", dir / "missing", dir / "one/", dir / "-dash"});
  EXPECT_EQ(run.code, 1);
  const std::vector<std::string> lines = run.lines();
  ASSERT_EQ(lines.size(), 3u) << run.out;
  EXPECT_EQ(lines[0].substr(0, lines[0].find('\t')), dir / "two/b");
  EXPECT_EQ(lines[1].substr(0, lines[1].find('\t')), dir / "one/a");
  EXPECT_EQ(lines[2].substr(0, lines[2].find('\t')), dir / "-dash/c");
  EXPECT_NE(run.err.find(dir / "missing"), std::string::npos);

  // Without read-ahead, the same lines.
  CliResult alone =
      runStats(scratch, {"--no-readahead", "--", dir / "two", dir / "missing", dir / "one/"});
  EXPECT_EQ(alone.code, 1);
  EXPECT_EQ(alone.lines(), (std::vector<std::string>{lines[0], lines[1]}));

  // A root without folders prints nothing and is not a failure.
  CliResult empty = runStats(scratch, {dir / "one/a"});
  EXPECT_EQ(empty.code, 0);
  EXPECT_TRUE(empty.out.empty());
}

}  // namespace
}  // namespace norvane
