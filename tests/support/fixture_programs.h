#pragma once
// Programs a test may start: shell scripts in its temporary folder, and a launcher that starts
// only those, so no test ever runs a real package manager.
#include <memory>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace norvane::test {

class TempDir;

// An executable "#!/bin/sh" script at `relative` below the folder; returns its path.
std::string writeScript(const TempDir& dir, const std::string& relative, const std::string& body);

// A script that writes its arguments, one a line, to its own path + ".args", then runs `then`
// (more shell lines) and exits with `exitCode`.
std::string writeRecordingScript(const TempDir& dir, const std::string& relative, int exitCode,
                                 const std::string& then = "");

// Starts programs from one fixture folder: a name without "/" is looked up there and nowhere
// else, and a path must lie in it. Anything else fails as a missing program (ENOENT), so a
// command line naming "dpkg" or "flatpak" reaches the fixture script of that name or nothing.
class FixtureProcessLauncher : public ProcessLauncher {
 public:
  // Empty: every start fails.
  std::string programFolder;
  // What startsAsSuperUser() answers: false makes package commands go through "pkexec".
  bool superUser = false;
  // Every start, as the arguments arrived.
  std::vector<std::vector<std::string>> started;

  std::unique_ptr<StartedProcess> start(const std::vector<std::string>& arguments) override;
  bool startsAsSuperUser() const override { return superUser; }

 private:
  std::shared_ptr<ProcessLauncher> real_ = makeHostProcessLauncher();
};

}  // namespace norvane::test
