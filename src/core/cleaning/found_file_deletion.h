#pragma once
// The deletion of one found file with the rules of the file list: what counts as gone, what is
// freed, and when a file that refuses deletion is registered for the next start instead.
// Qt-free, so a command-line cleaner deletes by exactly the same rules.
#include <cstdint>
#include <string>

#include "core/cleaning/found_file_store.h"
#include "platform/file_ops.h"
#include "platform/restart_delete.h"

namespace norvane {

struct FoundFileDeletion {
  FoundFileStatus status = FoundFileStatus::None;
  // Why the file itself stayed (read-only, in use, access denied, ...); Deleted when it went.
  DeleteStatus refusal = DeleteStatus::Deleted;
  std::int64_t fileBytes = 0;   // the size read before the attempt
  std::int64_t freedBytes = 0;  // fileBytes when deleted
  // False when the file was gone before a deletion was tried.
  bool attempted = false;
};

// Deletes the scanned file, only while its folder and the file are still the ones the scan
// found (a folder swapped for a link, a file for another file, counts as gone):
// - nothing there, or gone before its size could be read: Missing, not attempted;
// - deleted: Deleted, its size freed;
// - gone or replaced by a folder meanwhile: Missing (nothing to delete now or later);
// - refused (read-only, in use, denied): with `deleteAtRestart` registered for deletion at
//   the next start, RestartDelete when the registration is taken and Failed when refused;
//   without it Failed.
// A size that can't be read for another reason throws OSError.
FoundFileDeletion deleteFoundFile(FileOps& files, RestartDelete& restartDelete,
                                  const ScannedFile& file, bool deleteAtRestart);

// What deleteFoundFile would do now, deleting and registering nothing; a registration for the
// next start counts as taken.
FoundFileDeletion previewFoundFileDeletion(FileOps& files, const ScannedFile& file,
                                           bool deleteAtRestart);

}  // namespace norvane
