#include "core/uninstall/process_runner.h"

#include <cerrno>

#include "core/uninstall/command_line.h"
#include "platform/errors.h"
#include "platform/thread_priority.h"

namespace norvane {

// What the wait thread shares with the runner. `runner` is cleared on the UI thread when the
// runner goes away, so an end posted just before is dropped there.
struct ProcessRunner::Wait {
  std::unique_ptr<StartedProcess> process;
  ProcessRunner* runner;
};

ProcessRunner::ProcessRunner(std::shared_ptr<ProcessLauncher> launcher, EventLoop& loop)
    : launcher_(std::move(launcher)), loop_(loop) {}

ProcessRunner::~ProcessRunner() {
  if (wait_) {
    wait_->runner = nullptr;
    wait_->process->stop();
  }
  if (thread_.joinable()) thread_.join();
}

void ProcessRunner::start() {
  if (waiting_) throw NorvaneError("Cannot perform this operation when process is running");
  // The thread of an earlier program has posted its end and is finishing.
  if (thread_.joinable()) thread_.join();
  wait_.reset();

  const auto arguments = CommandLine::split(commandLine_);
  if (!arguments) raiseOSError(EINVAL);
  std::unique_ptr<StartedProcess> process = launcher_->start(*arguments);
  if (!waitForTerminate_) return;

  waiting_ = true;
  wait_ = std::make_shared<Wait>(Wait{std::move(process), this});
  thread_ = std::thread([wait = wait_, &loop = loop_] {
    setCurrentThreadPriority(-1);
    std::uint32_t exitCode = 0;
    bool ended = false;
    try {
      ended = wait->process->waitForEnd(exitCode);
    } catch (const NorvaneError&) {
      // A wait that fails can only be given up; the program is then treated as ended.
      ended = true;
      exitCode = 0xFFFFFFFFu;
    }
    if (!ended) return;
    loop.post([wait, exitCode] {
      if (wait->runner) wait->runner->finish(exitCode);
    });
  });
}

void ProcessRunner::finish(std::uint32_t exitCode) {
  waiting_ = false;
  if (thread_.joinable()) thread_.join();
  wait_.reset();
  if (onTerminate) onTerminate(*this, exitCode);
}

}  // namespace norvane
