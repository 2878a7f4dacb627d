#pragma once
// Runs a command-line program of ours as a script would: its exit code and what it wrote.
#include <map>
#include <string>
#include <vector>

namespace norvane::test {

struct ProgramRun {
  int code = -1;  // -1 when it could not be started or did not exit normally
  std::string out;
  std::string err;
  std::vector<std::string> lines() const;  // `out`, line by line
};

struct ProgramRunOptions {
  std::map<std::string, std::string> env;  // set on top of this process's environment
  std::string workingFolder;               // "" keeps this process's
  bool unprivileged = false;               // as "nobody" when this process is root
};

// Runs `program` with `args`; its output goes through files in `scratchFolder`.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& scratchFolder, const ProgramRunOptions& options = {});

}  // namespace norvane::test
