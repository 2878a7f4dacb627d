#include "core/update/update_applier.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/update/failing_file_moves.h"
#include "core/update/fake_process_control.h"
#include "core/update/pending_update.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::TempDir;

bool exists(const std::string& path) { return PosixFileMoves().exists(path); }

// A program folder after a handover: two replaced files and one new file in a new folder.
class Handover : public ::testing::Test {
 protected:
  Handover() {
    appDir = dir.path() + "/";
    dir.writeFile("a.txt", "old a");
    dir.writeFile("a.txt.~up", "new a");
    dir.writeFile("b.txt", "old b");
    dir.writeFile("b.txt.~up", "new b");
    dir.writeFile("new/c.txt.~up", "new c");
    dir.writeFile("~finished.file", "0=" + appDir + "a.txt\r\n0=" + appDir + "b.txt\r\n1=" +
                                        appDir + "new/\r\n0=" + appDir + "new/c.txt\r\n");
  }

  void expectOld() {
    EXPECT_EQ(test::readWholeFile(appDir + "a.txt"), "old a");
    EXPECT_EQ(test::readWholeFile(appDir + "b.txt"), "old b");
    EXPECT_FALSE(exists(appDir + "new"));
    expectNoLeftOvers();
  }
  void expectNew() {
    EXPECT_EQ(test::readWholeFile(appDir + "a.txt"), "new a");
    EXPECT_EQ(test::readWholeFile(appDir + "b.txt"), "new b");
    EXPECT_EQ(test::readWholeFile(appDir + "new/c.txt"), "new c");
    expectNoLeftOvers();
  }
  void expectNoLeftOvers() {
    for (const char* name :
         {"a.txt.~up", "a.txt.~bf", "b.txt.~up", "b.txt.~bf", "new/c.txt.~up", "new/c.txt.~bf",
          "~finished.file", "~finished.done", "~finished.tmp"}) {
      EXPECT_FALSE(exists(appDir + name)) << name;
    }
  }

  TempDir dir;
  std::string appDir;
  test::FailingFileMoves files;
};

TEST_F(Handover, EveryFileGoesInPlaceAndTheMarkersGo) {
  std::vector<std::string> steps;
  UpdateApplier applier(files, appDir, [&](std::string_view s) { steps.emplace_back(s); });
  EXPECT_EQ(applier.applyUpdate(), ApplyOutcome::Applied);
  expectNew();
  // The commit comes after every rename and before any backup is removed.
  const auto at = [&](const std::string& s) {
    return std::find(steps.begin(), steps.end(), s) - steps.begin();
  };
  EXPECT_LT(std::find(steps.rbegin(), steps.rend(), "move in").base() - steps.begin(),
            at("commit"));
  EXPECT_LT(at("commit"), at("remove backup"));
  EXPECT_EQ(applier.applyUpdate(), ApplyOutcome::NoMarker);
}

TEST_F(Handover, ARefusedRenameBringsEverythingBack) {
  files.refuseRenameFrom.insert(appDir + "new/c.txt.~up");
  EXPECT_EQ(UpdateApplier(files, appDir).applyUpdate(), ApplyOutcome::RolledBack);
  expectOld();
  files.refuseRenameFrom = {appDir + "b.txt.~up"};
  dir.writeFile("a.txt.~up", "new a");
  dir.writeFile("b.txt.~up", "new b");
  dir.writeFile("~finished.file", "0=" + appDir + "a.txt\r\n0=" + appDir + "b.txt\r\n");
  EXPECT_EQ(UpdateApplier(files, appDir).applyUpdate(), ApplyOutcome::RolledBack);
  expectOld();
}

TEST_F(Handover, MissingDownloadsArePassedOverAndStaleBackupsStopTheUpdate) {
  ASSERT_EQ(::unlink((appDir + "b.txt.~up").c_str()), 0);
  EXPECT_EQ(UpdateApplier(files, appDir).applyUpdate(), ApplyOutcome::Applied);
  EXPECT_EQ(test::readWholeFile(appDir + "a.txt"), "new a");
  EXPECT_EQ(test::readWholeFile(appDir + "b.txt"), "old b");

  // A backup from elsewhere would be put back by an undo: nothing is touched but the downloads.
  dir.writeFile("a.txt.~up", "newer a");
  dir.writeFile("a.txt.~bf", "someone's a");
  dir.writeFile("~finished.file", "0=" + appDir + "a.txt\r\n");
  EXPECT_EQ(UpdateApplier(files, appDir).applyUpdate(), ApplyOutcome::Refused);
  EXPECT_EQ(test::readWholeFile(appDir + "a.txt"), "new a");
  EXPECT_EQ(test::readWholeFile(appDir + "a.txt.~bf"), "someone's a");
  EXPECT_FALSE(exists(appDir + "a.txt.~up"));
  EXPECT_FALSE(exists(appDir + "~finished.file"));
}

TEST_F(Handover, TheNextStartFinishesACommittedUpdateOrUndoesAnOtherOne) {
  test::FakeProcessControl processes;
  // Interrupted after the commit: the new files stay, the backups go.
  struct Crash {};
  try {
    UpdateApplier(files, appDir, [](std::string_view s) {
      if (s == "remove backup") throw Crash{};
    }).applyUpdate();
  } catch (const Crash&) {
  }
  ASSERT_TRUE(exists(appDir + "~finished.done"));
  // Not while the companion still works.
  processes.running = {appDir + "~upgrader"};
  EXPECT_EQ(finishPendingUpdate(appDir, files, processes), PendingOutcome::Nothing);
  processes.running.clear();
  EXPECT_EQ(finishPendingUpdate(appDir, files, processes), PendingOutcome::Finished);
  expectNew();

  // Interrupted before the commit: the old files come back, the new file goes.
  dir.writeFile("a.txt.~up", "newer a");
  dir.writeFile("new/d.txt.~up", "new d");
  dir.writeFile("~finished.file", "0=" + appDir + "a.txt\r\n0=" + appDir + "new/d.txt\r\n");
  try {
    UpdateApplier(files, appDir, [](std::string_view s) {
      if (s == "sync folder") throw Crash{};
    }).applyUpdate();
  } catch (const Crash&) {
  }
  EXPECT_EQ(test::readWholeFile(appDir + "new/d.txt"), "new d");
  EXPECT_EQ(finishPendingUpdate(appDir, files, processes), PendingOutcome::RolledBack);
  EXPECT_EQ(test::readWholeFile(appDir + "a.txt"), "new a");
  EXPECT_FALSE(exists(appDir + "new/d.txt"));
  expectNew();
  EXPECT_EQ(finishPendingUpdate(appDir, files, processes), PendingOutcome::Nothing);
}

}  // namespace
}  // namespace norvane
