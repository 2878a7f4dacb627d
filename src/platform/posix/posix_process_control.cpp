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

#include "platform/posix/clean_spawn.h"
#include "platform/posix/process_paths.h"

extern char** environ;

namespace norvane {

namespace {

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

std::string PosixProcessControl::currentExecutable() { return linkTarget("/proc/self/exe"); }

std::string PosixProcessControl::currentDirectory() { return workingFolder(); }

std::string PosixProcessControl::executableOf(int pid) {
  if (pid <= 0) return {};
  return linkTarget(procRoot_ + "/" + std::to_string(pid) + "/exe");
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
    const std::string exe = linkTarget(procRoot_ + "/" + entry->d_name + "/exe");
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

  // Its own session: the started program outlives this one and any terminal it had.
  CleanSpawn spawn(POSIX_SPAWN_SETSID);
  posix_spawn_file_actions_addopen(&spawn.actions, 0, "/dev/null", O_RDONLY, 0);

  pid_t pid = 0;
  return ::posix_spawn(&pid, path.c_str(), &spawn.actions, &spawn.attributes, argv.data(),
                       environ) == 0;
}

void PosixProcessControl::exitProcess(int code) { std::exit(code); }

void PosixProcessControl::sleepMs(unsigned milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace norvane
