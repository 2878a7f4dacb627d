#include "core/cleaning/found_file_deletion.h"

#include <cerrno>

#include "platform/errors.h"

namespace norvane {

namespace {

// The rules of one deletion; `attempt` deletes (or tells what a deletion would give) and
// `registerForRestart` registers (or tells whether it would).
template <typename Attempt, typename Register>
FoundFileDeletion decide(FileOps& files, const ScannedFile& file, bool deleteAtRestart,
                         Attempt attempt, Register registerForRestart) {
  FoundFileDeletion result;
  if (!files.fileExists(file)) {
    result.status = FoundFileStatus::Missing;
    return result;
  }
  std::int64_t size = 0;
  const int sizeError = files.fileSize(file, size);
  if (sizeError == ENOENT || sizeError == ENOTDIR) {
    // Gone since the presence test: a missing file, not the end of the run.
    result.status = FoundFileStatus::Missing;
    return result;
  }
  if (sizeError != 0) raiseOSError(sizeError);

  result.attempted = true;
  result.fileBytes = size;
  const DeleteOutcome outcome = attempt();
  result.refusal = outcome.status;
  if (outcome.deleted()) {
    result.status = FoundFileStatus::Deleted;
    result.freedBytes = size;
  } else if (outcome.status == DeleteStatus::NotFound ||
             outcome.status == DeleteStatus::IsDirectory) {
    // Gone, or replaced by a folder, since the presence test: nothing is there to delete now
    // or at the next start.
    result.status = FoundFileStatus::Missing;
  } else if (deleteAtRestart) {
    // A refused registration is a failure, not a file that will go at the next start.
    result.status = registerForRestart() ? FoundFileStatus::RestartDelete : FoundFileStatus::Failed;
  } else {
    result.status = FoundFileStatus::Failed;
  }
  return result;
}

}  // namespace

FoundFileDeletion deleteFoundFile(FileOps& files, RestartDelete& restartDelete,
                                  const ScannedFile& file, bool deleteAtRestart) {
  return decide(
      files, file, deleteAtRestart, [&] { return files.deleteFile(file); },
      [&] { return restartDelete.DeleteOnRestart(file.path()); });
}

FoundFileDeletion previewFoundFileDeletion(FileOps& files, const ScannedFile& file,
                                           bool deleteAtRestart) {
  return decide(
      files, file, deleteAtRestart, [&] { return files.previewDelete(file); }, [] { return true; });
}

}  // namespace norvane
