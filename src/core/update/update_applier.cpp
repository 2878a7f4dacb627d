#include "core/update/update_applier.h"

#include <set>

#include "core/update/path_folder.h"
#include "core/update/update_files.h"

namespace norvane {

namespace {

constexpr std::size_t kMaxMarkerBytes = 16 << 20;

// The destinations of the "0=" lines, in file order.
std::vector<std::string> destinations(const std::vector<std::string>& lines) {
  std::vector<std::string> result;
  for (const auto& line : lines) {
    const JournalLine entry = splitJournalLine(line);
    if (entry.tag == std::string(1, kFileTag) && !entry.path.empty()) result.push_back(entry.path);
  }
  return result;
}

}  // namespace

UpdateApplier::UpdateApplier(FileMoves& files, std::string appDir, StepHook hook)
    : files_(files), appDir_(std::move(appDir)), hook_(std::move(hook)) {}

std::string UpdateApplier::markerPath() const { return appDir_ + kMarkerFileName; }

std::string UpdateApplier::committedMarkerPath() const {
  return appDir_ + kCommittedMarkerFileName;
}

void UpdateApplier::step(std::string_view what) const {
  if (hook_) hook_(what);
}

std::optional<std::vector<std::string>> UpdateApplier::readLines(const std::string& path) {
  std::string text;
  if (files_.readFile(path, text, kMaxMarkerBytes) != 0) return std::nullopt;
  return parseJournal(text);
}

void UpdateApplier::syncFoldersOf(const std::vector<std::string>& lines) {
  std::set<std::string> folders;
  for (const auto& path : destinations(lines)) folders.insert(folderOf(path));
  for (const auto& folder : folders) {
    step("sync folder");
    files_.syncFolder(folder);
  }
}

void UpdateApplier::removeBackups(const std::vector<std::string>& lines) {
  for (const auto& path : destinations(lines)) {
    const std::string backup = path + kBackupSuffix;
    if (!files_.exists(backup)) continue;
    step("remove backup");
    files_.removeFile(backup);
  }
}

void UpdateApplier::discardDownloads(const std::vector<std::string>& lines) {
  std::vector<std::string> withoutBackups;
  for (const auto& path : destinations(lines)) {
    if (!files_.exists(path + kDownloadSuffix)) continue;
    step("remove download");
    files_.removeFile(path + kDownloadSuffix);
  }
  for (const auto& line : lines) {
    const JournalLine entry = splitJournalLine(line);
    if (entry.tag == std::string(1, kFolderTag)) withoutBackups.push_back(line);
  }
  RollbackFiles(withoutBackups, files_, hook_);
}

bool UpdateApplier::addNewFileLines(std::vector<std::string>& lines) {
  std::vector<std::string> added;
  for (const auto& path : destinations(lines)) {
    if (files_.exists(path + kDownloadSuffix) && !files_.exists(path)) {
      added.push_back(std::string(1, kNewFileTag) + "=" + path);
    }
  }
  if (added.empty()) return true;
  std::vector<std::string> rewritten = lines;
  rewritten.insert(rewritten.end(), added.begin(), added.end());
  const std::string temporary = appDir_ + kMarkerRewriteFileName;
  files_.removeFile(temporary);
  step("write marker");
  if (files_.createFile(temporary, serializeJournal(rewritten), 0644) != 0) return false;
  step("replace marker");
  if (files_.renameReplace(temporary, markerPath()) != 0) {
    files_.removeFile(temporary);
    return false;
  }
  files_.syncFolder(appDir_);
  lines = std::move(rewritten);
  return true;
}

ApplyOutcome UpdateApplier::applyUpdate() {
  const std::string marker = markerPath();
  if (!files_.exists(marker)) return ApplyOutcome::NoMarker;
  const auto read = readLines(marker);
  if (!read) return ApplyOutcome::NoMarker;
  std::vector<std::string> lines = *read;
  if (lines.empty()) {
    step("remove marker");
    files_.removeFile(marker);
    return ApplyOutcome::Applied;
  }

  std::vector<std::string> moving;
  for (const auto& path : destinations(lines)) {
    if (files_.exists(path + kDownloadSuffix)) moving.push_back(path);
  }
  // A backup that is already there would be taken for this update's and put back by an undo.
  for (const auto& path : moving) {
    if (files_.exists(path + kBackupSuffix)) {
      discardDownloads(lines);
      step("remove marker");
      files_.removeFile(marker);
      files_.syncFolder(appDir_);
      return ApplyOutcome::Refused;
    }
  }
  // New files are recorded before the first rename, so an undo can remove them again.
  bool failed = !addNewFileLines(lines);

  for (std::size_t i = 0; !failed && i < moving.size(); ++i) {
    const std::string& path = moving[i];
    if (files_.exists(path)) {
      step("back up");
      files_.renameNoReplace(path, path + kBackupSuffix);
    }
    step("move in");
    failed = files_.renameNoReplace(path + kDownloadSuffix, path) != 0;
  }

  if (failed) {
    const bool restored = RollbackFiles(lines, files_, hook_);
    syncFoldersOf(lines);
    // A backup that could not be put back keeps the marker: the next start tries again.
    if (restored) {
      step("remove marker");
      files_.removeFile(marker);
      files_.syncFolder(appDir_);
    }
    return ApplyOutcome::RolledBack;
  }

  syncFoldersOf(lines);
  step("commit");
  files_.renameReplace(marker, committedMarkerPath());
  files_.syncFolder(appDir_);
  removeBackups(lines);
  step("remove committed marker");
  files_.removeFile(committedMarkerPath());
  files_.syncFolder(appDir_);
  return ApplyOutcome::Applied;
}

void UpdateApplier::rollbackFromFile() {
  const std::string marker = markerPath();
  if (!files_.exists(marker)) return;
  if (const auto lines = readLines(marker)) RollbackFiles(*lines, files_, hook_);
}

PendingOutcome UpdateApplier::finishPending() {
  PendingOutcome outcome = PendingOutcome::Nothing;
  const std::string committed = committedMarkerPath();
  if (files_.exists(committed)) {
    if (const auto lines = readLines(committed)) {
      removeBackups(*lines);
      files_.removeFile(committed);
      outcome = PendingOutcome::Finished;
    }
  }
  const std::string marker = markerPath();
  if (files_.exists(marker)) {
    if (const auto lines = readLines(marker)) {
      const bool restored = RollbackFiles(*lines, files_, hook_);
      syncFoldersOf(*lines);
      if (restored) files_.removeFile(marker);
      outcome = PendingOutcome::RolledBack;
    }
  }
  files_.removeFile(appDir_ + kMarkerRewriteFileName);
  if (outcome != PendingOutcome::Nothing) files_.syncFolder(appDir_);
  return outcome;
}

}  // namespace norvane
