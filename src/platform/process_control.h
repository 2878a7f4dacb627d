#pragma once
// The running process and the few other processes the online update deals with: starting a
// program detached, finding and ending the program that hands over to the update companion.
#include <string>
#include <vector>

namespace norvane {

class ProcessControl {
 public:
  virtual ~ProcessControl() = default;
  virtual int currentProcessId() = 0;
  // The running executable's full path.
  virtual std::string currentExecutable() = 0;
  virtual std::string currentDirectory() = 0;
  // The executable of process `pid`, "" when there is no such process or it can't be seen.
  // An executable whose file was removed is reported with " (deleted)" appended.
  virtual std::string executableOf(int pid) = 0;
  // Ends process `pid` at once. Returns 0 or an errno-style code.
  virtual int terminate(int pid) = 0;
  // True when a process other than this one runs the executable at `path`.
  virtual bool isRunning(const std::string& path) = 0;
  // Starts `path` with `args` in a session of its own, without waiting for it. True when it
  // started.
  virtual bool startDetached(const std::string& path, const std::vector<std::string>& args) = 0;
  // Ends this process with `code` after normal finalisation; window handling stops.
  virtual void exitProcess(int code) = 0;
  // Blocks the caller.
  virtual void sleepMs(unsigned milliseconds) = 0;
};

}  // namespace norvane
