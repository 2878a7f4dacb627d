#pragma once
// Running the companion and the fixture programs as real processes from a test.
#include <functional>
#include <string>
#include <vector>

namespace norvane::test {

struct ChildExit {
  bool exited = false;  // ended through exit(); else killed by `signal`
  int code = 0;
  int signal = 0;
};

// Starts `path` with `args` and extra "NAME=value" environment entries, waits for its end.
ChildExit runChild(const std::string& path, const std::vector<std::string>& args,
                   const std::vector<std::string>& environment = {});
// Starts `path` with `args` without waiting; its process id.
int startChild(const std::string& path, const std::vector<std::string>& args);
ChildExit waitChild(int pid);

// Copies a file with its permission bits.
void copyExecutable(const std::string& from, const std::string& to);
// Polls `condition` every 20 ms for up to `seconds`.
bool waitFor(const std::function<bool()>& condition, int seconds = 20);

}  // namespace norvane::test
