#pragma once
// The update companion "~upgrader": started by the program's handover with the program's file
// name and process id, it ends that program if it still runs, puts the downloaded files in
// place (or undoes them when one fails), starts the program again in a session of its own and
// removes its own file. It shows nothing and always exits with 0.
#include <string>
#include <vector>

#include "core/update/journal.h"
#include "platform/file_moves.h"
#include "platform/process_control.h"

namespace norvane {

struct CompanionArguments {
  bool valid = false;   // exactly two, a plain file name and a positive process id
  std::string exeName;  // "" when the program is not to be started again
  int pid = 0;
};

// A name with "/" or a ".." part, an empty name or a count other than two is wrong: nothing
// will be started. A process id that isn't a positive decimal number is wrong too, but the
// named program is still started again.
CompanionArguments parseCompanionArguments(const std::vector<std::string>& args);

// The whole run; `hook` is told of each step before it changes the disk (tests only).
int runCompanion(const std::vector<std::string>& args, FileMoves& files, ProcessControl& processes,
                 const StepHook& hook = {});

}  // namespace norvane
