#include "platform/posix/posix_process_control.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace norvane {

namespace {

std::string readLink(const std::string& path) {
  std::string buffer(4096, '\0');
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < buffer.size()) return buffer.substr(0, n);
    buffer.resize(buffer.size() * 2);
  }
}

bool isNumber(const char* text) {
  if (*text == '\0') return false;
  for (; *text != '\0'; ++text) {
    if (*text < '0' || *text > '9') return false;
  }
  return true;
}

}  // namespace

PosixProcessControl::PosixProcessControl(std::string procRoot) : procRoot_(std::move(procRoot)) {}

int PosixProcessControl::currentProcessId() { return static_cast<int>(::getpid()); }

std::string PosixProcessControl::currentExecutable() { return readLink("/proc/self/exe"); }

std::string PosixProcessControl::currentDirectory() {
  std::string buffer(4096, '\0');
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.c_str());
}

std::string PosixProcessControl::executableOf(int pid) {
  if (pid <= 0) return {};
  return readLink(procRoot_ + "/" + std::to_string(pid) + "/exe");
}

int PosixProcessControl::terminate(int pid) {
  if (pid <= 0) return ESRCH;
  return ::kill(static_cast<pid_t>(pid), SIGKILL) == 0 ? 0 : errno;
}

bool PosixProcessControl::isRunning(const std::string& path) {
  DIR* dir = ::opendir(procRoot_.c_str());
  if (dir == nullptr) return false;
  const std::string self = std::to_string(::getpid());
  const std::string removed = path + " (deleted)";
  bool found = false;
  while (!found) {
    const dirent* entry = ::readdir(dir);
    if (entry == nullptr) break;
    if (!isNumber(entry->d_name) || self == entry->d_name) continue;
    const std::string exe = readLink(procRoot_ + "/" + entry->d_name + "/exe");
    found = exe == path || exe == removed;
  }
  ::closedir(dir);
  return found;
}

bool PosixProcessControl::startDetached(const std::string& path,
                                        const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t none;
  sigemptyset(&none);
  sigset_t all;
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setsigdefault(&attr, &all);
  // Its own session: the started program outlives this one and any terminal it had.
  posix_spawnattr_setflags(&attr,
                           POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  // Nothing but the standard streams is handed on (no window-system connection, no locks).
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);

  pid_t pid = 0;
  const int rc = ::posix_spawn(&pid, path.c_str(), &actions, &attr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  return rc == 0;
}

void PosixProcessControl::exitProcess(int code) { std::exit(code); }

void PosixProcessControl::sleepMs(unsigned milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace norvane
