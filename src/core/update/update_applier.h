#pragma once
// Putting downloaded files in place, crash-safe. The marker "~finished.file" (the journal)
// stays until every rename has succeeded and is on disk; it is then renamed to
// "~finished.done" (the commit), the ".~bf" backups are removed, and the committed marker is
// deleted. Whatever step is interrupted, finishPending() at the next start completes a
// committed update or undoes an uncommitted one, so every destination ends all old or all new.
#include <optional>
#include <string>
#include <vector>

#include "core/update/journal.h"
#include "platform/file_moves.h"

namespace norvane {

enum class ApplyOutcome {
  NoMarker,    // nothing to do
  Applied,     // every file is in place
  RolledBack,  // a rename failed; the old files are back
  Refused,     // a ".~bf" file was already there; the downloads are discarded
};

enum class PendingOutcome { Nothing, Finished, RolledBack };

class UpdateApplier {
 public:
  // `appDir` ends in "/". `hook` is told of each step before it changes the disk.
  UpdateApplier(FileMoves& files, std::string appDir, StepHook hook = {});

  ApplyOutcome applyUpdate();
  // Undoes the marker's downloads; the marker stays on disk.
  void rollbackFromFile();
  // After an interruption: finishes a committed update or undoes an uncommitted one.
  PendingOutcome finishPending();

  std::string markerPath() const;
  std::string committedMarkerPath() const;

 private:
  // No value when the file can't be read: then it stays for a later try.
  std::optional<std::vector<std::string>> readLines(const std::string& path);
  void removeBackups(const std::vector<std::string>& lines);
  void discardDownloads(const std::vector<std::string>& lines);
  void syncFoldersOf(const std::vector<std::string>& lines);
  bool addNewFileLines(std::vector<std::string>& lines);
  void step(std::string_view what) const;

  FileMoves& files_;
  std::string appDir_;
  StepHook hook_;
};

}  // namespace norvane
