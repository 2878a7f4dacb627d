#include "core/update/journal.h"

#include <gtest/gtest.h>

#include "core/update/failing_file_moves.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::TempDir;

bool exists(const std::string& path) { return PosixFileMoves().exists(path); }

TEST(Journal, WrittenWithCrLfReadWithEither) {
  const std::vector<std::string> lines{"1=/a/new/", "0=/a/new/f.dat"};
  EXPECT_EQ(serializeJournal(lines), "1=/a/new/\r\n0=/a/new/f.dat\r\n");
  EXPECT_EQ(parseJournal("1=/a/new/\r\n0=/a/new/f.dat\r\n"), lines);
  EXPECT_EQ(parseJournal("1=/a/new/\n0=/a/new/f.dat"), lines);
  const JournalLine line = splitJournalLine("0=/a/b=c");
  EXPECT_EQ(line.tag, "0");
  EXPECT_EQ(line.path, "/a/b=c");
}

TEST(RollbackFiles, RestoresBackupsRemovesDownloadsNewFilesAndEmptyFolders) {
  TempDir dir;
  // A replaced file: new content in place, old content in its backup, a download left over.
  const std::string kept = dir.writeFile("kept.txt", "new");
  dir.writeFile("kept.txt.~bf", "old");
  dir.writeFile("kept.txt.~up", "stray");
  // A file of the update that was never moved in.
  const std::string pending = dir.writeFile("pending.txt", "old pending");
  dir.writeFile("pending.txt.~up", "new pending");
  // A new file in a new folder inside another new folder.
  dir.makeDir("outer/inner");
  const std::string fresh = dir.writeFile("outer/inner/fresh.txt", "new fresh");
  PosixFileMoves files;
  RollbackFiles({"1=" + dir.path() + "/outer/", "1=" + dir.path() + "/outer/inner/", "0=" + kept,
                 "0=" + pending, "0=" + fresh, "+=" + fresh},
                files);
  EXPECT_EQ(test::readWholeFile(kept), "old");
  EXPECT_FALSE(exists(kept + ".~bf"));
  EXPECT_FALSE(exists(kept + ".~up"));
  EXPECT_EQ(test::readWholeFile(pending), "old pending");
  EXPECT_FALSE(exists(pending + ".~up"));
  EXPECT_FALSE(exists(fresh));
  // Sorted ascending, the outer folder comes first and isn't empty yet at its turn.
  EXPECT_FALSE(exists(dir.path() + "/outer/inner"));
  EXPECT_TRUE(exists(dir.path() + "/outer"));
}

TEST(RollbackFiles, AnInterruptedRollbackFinishesWhenRunAgain) {
  TempDir dir;
  const std::string file = dir.writeFile("f.txt", "new");
  dir.writeFile("f.txt.~bf", "old");
  PosixFileMoves files;
  // Stopped just before the backup comes back: the destination is never missing.
  struct Interrupt {};
  try {
    RollbackFiles({"0=" + file}, files, [](std::string_view step) {
      if (step == "restore backup") throw Interrupt{};
    });
  } catch (const Interrupt&) {
  }
  EXPECT_EQ(test::readWholeFile(file), "new");
  EXPECT_TRUE(RollbackFiles({"0=" + file}, files));
  EXPECT_EQ(test::readWholeFile(file), "old");
  EXPECT_FALSE(exists(file + ".~bf"));
}

}  // namespace
}  // namespace norvane
