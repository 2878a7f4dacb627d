#pragma once
// Programs started with posix_spawn and waited for through a pidfd, so a wait can be cut
// short by an eventfd without touching the program.
#include <sys/types.h>

#include "platform/processes.h"

namespace norvane {

class PosixStartedProcess : public StartedProcess {
 public:
  // Takes over both descriptors; `pidFd` may be -1.
  PosixStartedProcess(pid_t pid, int pidFd, int stopFd);
  ~PosixStartedProcess() override;
  PosixStartedProcess(const PosixStartedProcess&) = delete;
  PosixStartedProcess& operator=(const PosixStartedProcess&) = delete;

  bool waitForEnd(std::uint32_t& exitCode) override;
  void stop() override;
  pid_t pid() const { return pid_; }

 private:
  bool reap(std::uint32_t& exitCode);

  pid_t pid_;
  int pidFd_;   // -1 on a kernel without pidfds: then the wait polls
  int stopFd_;  // eventfd, readable once stop() was called
  bool ended_ = false;
  std::uint32_t exitCode_ = 0;
};

class PosixProcessLauncher : public ProcessLauncher {
 public:
  std::unique_ptr<StartedProcess> start(const std::vector<std::string>& arguments) override;
  bool startsAsSuperUser() const override;
};

}  // namespace norvane
