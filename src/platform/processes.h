#pragma once
// Starting programs and waiting for their end.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace norvane {

// A program that was started. Destroying the object lets go of it: the program runs on.
class StartedProcess {
 public:
  virtual ~StartedProcess() = default;
  // Blocks until the program ends (true, with its exit code) or stop() is called (false).
  // An exit code is the program's own, or 128 + the signal's number when a signal ended it,
  // as shells report it.
  virtual bool waitForEnd(std::uint32_t& exitCode) = 0;
  // Makes a waitForEnd() in progress, and any later one, return false; safe from any thread.
  virtual void stop() = 0;
};

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts the program `arguments[0]` (searched on PATH as a shell would when it holds no
  // "/") with the program's own environment and current folder. Throws OSError when it
  // can't be started.
  virtual std::unique_ptr<StartedProcess> start(const std::vector<std::string>& arguments) = 0;
  // Whether programs started here run with the super-user's rights.
  virtual bool startsAsSuperUser() const = 0;
};

std::shared_ptr<ProcessLauncher> makeHostProcessLauncher();

}  // namespace norvane
