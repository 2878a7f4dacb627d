#pragma once
// ProcessControl on Linux: /proc for executables, posix_spawn with its own session for starts,
// SIGKILL for ending a process.
#include "platform/process_control.h"

namespace norvane {

class PosixProcessControl : public ProcessControl {
 public:
  // `procRoot` is where running processes are looked up.
  explicit PosixProcessControl(std::string procRoot = "/proc");

  int currentProcessId() override;
  std::string currentExecutable() override;
  std::string currentDirectory() override;
  std::string executableOf(int pid) override;
  int terminate(int pid) override;
  bool isRunning(const std::string& path) override;
  bool startDetached(const std::string& path, const std::vector<std::string>& args) override;
  void exitProcess(int code) override;
  void sleepMs(unsigned milliseconds) override;

 private:
  std::string procRoot_;
};

}  // namespace norvane
