#include "tools/upgrader/child_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace norvane::test {

namespace {

int spawn(const std::string& path, const std::vector<std::string>& args,
          const std::vector<std::string>& environment) {
  std::vector<char*> argv{const_cast<char*>(path.c_str())};
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (char** e = environ; *e != nullptr; ++e) envp.push_back(*e);
  for (const auto& e : environment) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  pid_t pid = 0;
  if (::posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
    throw std::runtime_error("cannot start " + path);
  }
  return pid;
}

}  // namespace

ChildExit waitChild(int pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  ChildExit result;
  result.exited = WIFEXITED(status);
  result.code = result.exited ? WEXITSTATUS(status) : 0;
  result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return result;
}

ChildExit runChild(const std::string& path, const std::vector<std::string>& args,
                   const std::vector<std::string>& environment) {
  return waitChild(spawn(path, args, environment));
}

int startChild(const std::string& path, const std::vector<std::string>& args) {
  return spawn(path, args, {});
}

void copyExecutable(const std::string& from, const std::string& to) {
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
  ::chmod(to.c_str(), 0755);
}

bool waitFor(const std::function<bool()>& condition, int seconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace norvane::test
