#include "tools/upgrader/companion.h"

#include <string_view>

#include "core/update/path_folder.h"
#include "core/update/update_applier.h"

namespace norvane {

namespace {

bool isPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

int parsePid(const std::string& text) {
  if (text.empty() || text.size() > 9) return 0;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

CompanionArguments parseCompanionArguments(const std::vector<std::string>& args) {
  CompanionArguments parsed;
  if (args.size() != 2 || !isPlainFileName(args[0])) return parsed;
  parsed.exeName = args[0];
  parsed.pid = parsePid(args[1]);
  parsed.valid = parsed.pid > 0;
  return parsed;
}

int runCompanion(const std::vector<std::string>& args, FileMoves& files, ProcessControl& processes,
                 const StepHook& hook) {
  std::string self = processes.currentExecutable();
  // Without its own path it can't know the program's folder: it touches nothing.
  if (self.empty() || self.front() != '/') return 0;
  // Its file is already gone when it shows as "… (deleted)"; a file now at that name is
  // someone else's.
  constexpr std::string_view kDeleted = " (deleted)";
  const bool selfRemoved =
      self.size() > kDeleted.size() &&
      self.compare(self.size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0;
  if (selfRemoved) self.resize(self.size() - kDeleted.size());
  const std::string appDir = folderOf(self);
  UpdateApplier applier(files, appDir, hook);
  std::string exeName;
  try {
    const CompanionArguments parsed = parseCompanionArguments(args);
    exeName = parsed.exeName;
    if (!parsed.valid) {
      applier.rollbackFromFile();
    } else {
      // Only the program that handed over is ended, never whatever else has that id now.
      if (processes.executableOf(parsed.pid) == appDir + parsed.exeName) {
        processes.terminate(parsed.pid);
      }
      processes.sleepMs(500);
      applier.applyUpdate();
    }
  } catch (...) {
    // The program is started again whatever happened.
  }
  if (!exeName.empty()) {
    if (hook) hook("start program");
    processes.startDetached(appDir + exeName, {});
  }
  if (hook) hook("remove companion");
  if (!selfRemoved) files.removeFile(self);
  return 0;
}

}  // namespace norvane
