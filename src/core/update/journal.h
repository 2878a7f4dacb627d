#pragma once
// The journal of an update: what the run created and what the companion must put in place.
// Lines are a one-character tag, "=" and a path:
//   "1=" a folder the run created (with a trailing "/"),
//   "0=" a destination whose new content is complete in the same path + ".~up",
//   "+=" a destination that did not exist before the companion started moving files (the
//        companion adds these so that undoing the update removes new files again).
// Saved as a marker file it has CR LF line ends; reading accepts LF too.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_moves.h"

namespace norvane {

inline constexpr char kFolderTag = '1';
inline constexpr char kFileTag = '0';
inline constexpr char kNewFileTag = '+';

// Called with a short description before each change on disk; the companion's crash tests end
// the process there. Production passes none.
using StepHook = std::function<void(std::string_view step)>;

struct JournalLine {
  std::string tag;  // the text before the first "="
  std::string path;
};

JournalLine splitJournalLine(std::string_view line);
std::string serializeJournal(const std::vector<std::string>& lines);
std::vector<std::string> parseJournal(std::string_view text);

// Undoes a journal: its lines sorted ascending without regard to case ("+" before "0" before
// "1"), then for each: "+" removes the new file; "0" deletes path + ".~up" and, when
// path + ".~bf" exists, puts the backup back in the path's place; any other tag removes the
// folder when it is empty. Every failing step is passed over, so running it again after an
// interruption finishes the job. False when a backup could not be put back.
bool RollbackFiles(const std::vector<std::string>& lines, FileMoves& files,
                   const StepHook& hook = {});

}  // namespace norvane
