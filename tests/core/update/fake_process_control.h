#pragma once
// ProcessControl for runs inside a test: starts are recorded, the handover's exit becomes an
// exception the test catches, sleeps are counted instead of slept.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/process_control.h"

namespace norvane::test {

struct ProcessExit : std::runtime_error {
  explicit ProcessExit(int code) : std::runtime_error("exit"), code(code) {}
  int code;
};

struct DetachedStart {
  std::string path;
  std::vector<std::string> args;
};

class FakeProcessControl : public ProcessControl {
 public:
  std::string executable = "/opt/norvane/norvane";
  std::string directory = "/";
  int pid = 4242;
  std::vector<DetachedStart> started;
  std::vector<int> terminated;
  std::vector<std::string> running;
  std::map<int, std::string> executables;
  unsigned slept = 0;

  int currentProcessId() override { return pid; }
  std::string currentExecutable() override { return executable; }
  std::string currentDirectory() override { return directory; }
  std::string executableOf(int p) override {
    const auto found = executables.find(p);
    return found == executables.end() ? std::string() : found->second;
  }
  int terminate(int p) override {
    terminated.push_back(p);
    return 0;
  }
  bool isRunning(const std::string& path) override {
    for (const auto& r : running) {
      if (r == path) return true;
    }
    return false;
  }
  bool startDetached(const std::string& path, const std::vector<std::string>& args) override {
    started.push_back({path, args});
    return true;
  }
  void exitProcess(int code) override { throw ProcessExit(code); }
  void sleepMs(unsigned ms) override { slept += ms; }
};

}  // namespace norvane::test
