// The deletion rules of the file list and the restart queue, over scripted services: every
// outcome of one found file, and when the restart queue asks and restarts.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "core/cleaning/found_file_deletion.h"
#include "core/cleaning/restart_queue.h"
#include "platform/errors.h"
#include "support/recording_restart.h"

namespace norvane {
namespace {

using test::CountingPower;
using test::RecordingRestartDelete;

class ScriptedFileOps : public FileOps {
 public:
  bool present = true;
  int sizeError = 0;
  std::int64_t size = 42;
  DeleteStatus outcome = DeleteStatus::Deleted;
  int deletions = 0;

  bool fileExists(const ScannedFile&) override { return present; }
  int fileSize(const ScannedFile&, std::int64_t& out) override {
    out = size;
    return sizeError;
  }
  DeleteOutcome deleteFile(const ScannedFile&) override {
    ++deletions;
    return {outcome, outcome == DeleteStatus::Deleted ? 0 : EACCES};
  }
  DeleteOutcome previewDelete(const ScannedFile&) override {
    ++previews;
    return {outcome, outcome == DeleteStatus::Deleted ? 0 : EACCES};
  }
  int previews = 0;
};

const ScannedFile kJunk{"/t/", "a.tmp", {1, 2}, {1, 3}};
const ScannedFile kHeld{"/t/", "held.tmp", {1, 2}, {1, 4}};

TEST(FoundFileDeletionTest, DeletedFileFreesItsSize) {
  ScriptedFileOps files;
  RecordingRestartDelete later;
  const FoundFileDeletion d = deleteFoundFile(files, later, kJunk, true);
  EXPECT_EQ(FoundFileStatus::Deleted, d.status);
  EXPECT_TRUE(d.attempted);
  EXPECT_EQ(42, d.fileBytes);
  EXPECT_EQ(42, d.freedBytes);
  EXPECT_TRUE(later.paths.empty());
}

TEST(FoundFileDeletionTest, GoneBeforeOrDuringTheAttemptIsMissingAndFreesNothing) {
  RecordingRestartDelete later;
  ScriptedFileOps absent;
  absent.present = false;
  FoundFileDeletion d = deleteFoundFile(absent, later, kJunk, true);
  EXPECT_EQ(FoundFileStatus::Missing, d.status);
  EXPECT_FALSE(d.attempted);
  EXPECT_EQ(0, absent.deletions);

  for (int error : {ENOENT, ENOTDIR}) {
    ScriptedFileOps vanishing;
    vanishing.sizeError = error;
    d = deleteFoundFile(vanishing, later, kJunk, true);
    EXPECT_EQ(FoundFileStatus::Missing, d.status);
    EXPECT_FALSE(d.attempted);
    EXPECT_EQ(0, vanishing.deletions);
  }

  // Gone, or a folder now, when the deletion runs: nothing to register for later either.
  for (DeleteStatus status : {DeleteStatus::NotFound, DeleteStatus::IsDirectory}) {
    ScriptedFileOps replaced;
    replaced.outcome = status;
    d = deleteFoundFile(replaced, later, kJunk, true);
    EXPECT_EQ(FoundFileStatus::Missing, d.status);
    EXPECT_TRUE(d.attempted);
    EXPECT_EQ(0, d.freedBytes);
  }
  EXPECT_TRUE(later.paths.empty());
}

TEST(FoundFileDeletionTest, RefusedFileGoesAtTheNextStartOnlyWhenRegistered) {
  for (DeleteStatus refusal :
       {DeleteStatus::ReadOnly, DeleteStatus::InUse, DeleteStatus::AccessDenied}) {
    ScriptedFileOps files;
    files.outcome = refusal;
    RecordingRestartDelete later;
    FoundFileDeletion d = deleteFoundFile(files, later, kHeld, true);
    EXPECT_EQ(FoundFileStatus::RestartDelete, d.status);
    EXPECT_EQ(refusal, d.refusal);
    EXPECT_EQ(0, d.freedBytes);
    EXPECT_EQ(std::vector<std::string>{"/t/held.tmp"}, later.paths);

    // A refused registration is a failure, not a file that will go later.
    later.accept = false;
    EXPECT_EQ(FoundFileStatus::Failed, deleteFoundFile(files, later, kHeld, true).status);
    // Without the option nothing is registered.
    d = deleteFoundFile(files, later, kHeld, false);
    EXPECT_EQ(FoundFileStatus::Failed, d.status);
    EXPECT_EQ(2u, later.paths.size());
  }
}

TEST(FoundFileDeletionTest, APreviewGivesTheSameStatusesAndChangesNothing) {
  RecordingRestartDelete later;
  for (DeleteStatus outcome : {DeleteStatus::Deleted, DeleteStatus::ReadOnly,
                               DeleteStatus::NotFound, DeleteStatus::AccessDenied}) {
    for (bool atRestart : {true, false}) {
      ScriptedFileOps real, preview;
      real.outcome = preview.outcome = outcome;
      const FoundFileDeletion done = deleteFoundFile(real, later, kJunk, atRestart);
      const FoundFileDeletion told = previewFoundFileDeletion(preview, kJunk, atRestart);
      EXPECT_EQ(done.status, told.status);
      EXPECT_EQ(done.freedBytes, told.freedBytes);
      EXPECT_EQ(0, preview.deletions);
      EXPECT_EQ(1, preview.previews);
    }
  }
  ScriptedFileOps gone;
  gone.present = false;
  EXPECT_EQ(FoundFileStatus::Missing, previewFoundFileDeletion(gone, kJunk, true).status);
  later.paths.clear();
  ScriptedFileOps refused;
  refused.outcome = DeleteStatus::InUse;
  EXPECT_EQ(FoundFileStatus::RestartDelete, previewFoundFileDeletion(refused, kHeld, true).status);
  EXPECT_TRUE(later.paths.empty());
}

TEST(FoundFileDeletionTest, AnUnreadableSizeIsAnError) {
  ScriptedFileOps files;
  files.sizeError = EIO;
  RecordingRestartDelete later;
  EXPECT_THROW(deleteFoundFile(files, later, kJunk, true), OSError);
  EXPECT_EQ(0, files.deletions);
}

TEST(RestartQueueTest, RegistersEveryFileThenRestartsOnlyOnYes) {
  RecordingRestartDelete later;
  CountingPower power;
  int questions = 0;
  auto answer = [&questions](bool yes) {
    return [&questions, yes] {
      ++questions;
      return yes;
    };
  };

  EXPECT_FALSE(deleteQueuedFilesAtRestart({}, later, power, answer(true)));
  EXPECT_EQ(0, questions);

  const std::vector<std::string> queue = {"/t/a", "/t/a", "/t/b"};
  EXPECT_FALSE(deleteQueuedFilesAtRestart(queue, later, power, answer(false)));
  EXPECT_EQ(queue, later.paths);  // duplicates too
  EXPECT_EQ(1, questions);
  EXPECT_EQ(0, power.restarts);

  later.accept = false;  // refusals are not reported and do not stop the question
  EXPECT_TRUE(deleteQueuedFilesAtRestart(queue, later, power, answer(true)));
  EXPECT_EQ(6u, later.paths.size());
  EXPECT_EQ(1, power.restarts);
}

}  // namespace
}  // namespace norvane
