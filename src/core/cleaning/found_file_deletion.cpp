#include "core/cleaning/found_file_deletion.h"

#include <cerrno>

#include "platform/errors.h"

namespace norvane {

FoundFileDeletion deleteFoundFile(FileOps& files, RestartDelete& restartDelete,
                                  const ScannedFile& file, bool deleteAtRestart) {
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
  const DeleteOutcome outcome = files.deleteFile(file);
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
    result.status = restartDelete.DeleteOnRestart(file.path()) ? FoundFileStatus::RestartDelete
                                                               : FoundFileStatus::Failed;
  } else {
    result.status = FoundFileStatus::Failed;
  }
  return result;
}

}  // namespace norvane
