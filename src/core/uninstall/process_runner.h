#pragma once
// Runs one program at a time from a command line and reports its end on the UI thread, while
// the window stays usable: a wait thread only waits and posts the end back through the
// event loop.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "platform/event_loop.h"
#include "platform/processes.h"

namespace norvane {

class ProcessRunner {
 public:
  using TerminateEvent = std::function<void(ProcessRunner& sender, std::uint32_t exitCode)>;

  // `loop` (not owned) must outlive the runner.
  ProcessRunner(std::shared_ptr<ProcessLauncher> launcher, EventLoop& loop);
  // While waiting: the wait ends, no end is reported, and the program runs on.
  ~ProcessRunner();
  ProcessRunner(const ProcessRunner&) = delete;
  ProcessRunner& operator=(const ProcessRunner&) = delete;

  const std::string& commandLine() const { return commandLine_; }
  void setCommandLine(std::string value) { commandLine_ = std::move(value); }
  // Whether to wait for the program's end and report it (default true).
  bool waitForTerminate() const { return waitForTerminate_; }
  void setWaitForTerminate(bool value) { waitForTerminate_ = value; }
  // Called on the event loop's thread after the program has ended.
  TerminateEvent onTerminate;

  // Starts commandLine(), split by the shell's quoting rules. Throws NorvaneError "Cannot
  // perform this operation when process is running" while waiting for an earlier program,
  // OSError when the program can't be started (an empty command line names none).
  void start();
  bool waiting() const { return waiting_; }

 private:
  struct Wait;
  void finish(std::uint32_t exitCode);

  std::shared_ptr<ProcessLauncher> launcher_;
  EventLoop& loop_;
  std::string commandLine_;
  bool waitForTerminate_ = true;
  bool waiting_ = false;
  std::shared_ptr<Wait> wait_;
  std::thread thread_;
};

}  // namespace norvane
