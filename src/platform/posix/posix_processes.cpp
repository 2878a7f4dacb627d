#include "platform/posix/posix_processes.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/posix/clean_spawn.h"

extern char** environ;

namespace norvane {

namespace {

// Without a pidfd the wait looks for the end this often.
constexpr int kPollMilliseconds = 50;

// Through the system call: glibc's <sys/pidfd.h> of Debian 12 does not declare it for C++.
int openPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  return -1;
#endif
}

}  // namespace

PosixStartedProcess::PosixStartedProcess(pid_t pid, int pidFd, int stopFd)
    : pid_(pid), pidFd_(pidFd), stopFd_(stopFd) {}

PosixStartedProcess::~PosixStartedProcess() {
  if (pidFd_ >= 0) ::close(pidFd_);
  ::close(stopFd_);
}

void PosixStartedProcess::stop() {
  const std::uint64_t one = 1;
  (void)!::write(stopFd_, &one, sizeof one);
}

bool PosixStartedProcess::reap(std::uint32_t& exitCode) {
  int status = 0;
  const pid_t r = ::waitpid(pid_, &status, WNOHANG);
  if (r == 0) return false;
  if (r == pid_) {
    exitCode_ = WIFEXITED(status)     ? static_cast<std::uint32_t>(WEXITSTATUS(status))
                : WIFSIGNALED(status) ? 128u + static_cast<std::uint32_t>(WTERMSIG(status))
                                      : 0u;
  } else if (errno == EINTR) {
    return false;
  } else {
    // Someone else collected it (SIGCHLD ignored): it has ended, its code is unknown.
    exitCode_ = 0xFFFFFFFFu;
  }
  ended_ = true;
  exitCode = exitCode_;
  return true;
}

bool PosixStartedProcess::waitForEnd(std::uint32_t& exitCode) {
  if (ended_) {
    exitCode = exitCode_;
    return true;
  }
  for (;;) {
    pollfd fds[2] = {{stopFd_, POLLIN, 0}, {pidFd_, POLLIN, 0}};
    const int n = ::poll(fds, pidFd_ >= 0 ? 2 : 1, pidFd_ >= 0 ? -1 : kPollMilliseconds);
    if (n < 0 && errno != EINTR) raiseLastOSError();
    if (fds[0].revents & POLLIN) return false;
    if (reap(exitCode)) return true;
  }
}

std::unique_ptr<StartedProcess> PosixProcessLauncher::start(
    const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments[0].empty()) raiseOSError(ENOENT);
  std::vector<char*> argv;
  for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  const int stopFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (stopFd < 0) raiseLastOSError();

  CleanSpawn s;

  pid_t pid = 0;
  const int err = ::posix_spawnp(&pid, argv[0], &s.actions, &s.attributes, argv.data(), environ);
  if (err != 0) {
    ::close(stopFd);
    raiseOSError(err);
  }
  return std::make_unique<PosixStartedProcess>(pid, openPidFd(pid), stopFd);
}

bool PosixProcessLauncher::startsAsSuperUser() const { return ::geteuid() == 0; }

std::shared_ptr<ProcessLauncher> makeHostProcessLauncher() {
  return std::make_shared<PosixProcessLauncher>();
}

}  // namespace norvane
