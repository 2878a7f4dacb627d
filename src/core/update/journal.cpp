#include "core/update/journal.h"

#include <algorithm>
#include <cctype>

#include "core/update/key_value_line.h"
#include "core/update/update_files.h"

namespace norvane {

JournalLine splitJournalLine(std::string_view line) {
  const KeyValueLine parts = splitKeyValueLine(line);
  return {std::string(parts.key), std::string(parts.value)};
}

std::string serializeJournal(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::vector<std::string> parseJournal(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

namespace {

bool lessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

void step(const StepHook& hook, std::string_view what) {
  if (hook) hook(what);
}

}  // namespace

bool RollbackFiles(const std::vector<std::string>& lines, FileMoves& files, const StepHook& hook) {
  bool restored = true;
  if (lines.empty()) return restored;
  std::vector<std::string> sorted = lines;
  std::stable_sort(sorted.begin(), sorted.end(), lessNoCase);
  for (const auto& line : sorted) {
    const JournalLine entry = splitJournalLine(line);
    if (entry.path.empty()) continue;
    if (entry.tag == std::string(1, kNewFileTag)) {
      if (files.exists(entry.path) && !files.isFolder(entry.path)) {
        step(hook, "remove new file");
        files.removeFile(entry.path);
      }
    } else if (entry.tag == std::string(1, kFileTag)) {
      const std::string download = entry.path + kDownloadSuffix;
      const std::string backup = entry.path + kBackupSuffix;
      if (files.exists(download)) {
        step(hook, "remove download");
        files.removeFile(download);
      }
      if (files.exists(backup)) {
        // One atomic rename: the destination is never missing, even for a moment.
        step(hook, "restore backup");
        if (files.renameReplace(backup, entry.path) != 0) restored = false;
      }
    } else {
      step(hook, "remove folder");
      files.removeEmptyFolder(entry.path);
    }
  }
  return restored;
}

}  // namespace norvane
