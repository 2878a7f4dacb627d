#include "support/program_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "support/temp_dir.h"
#include "support/unprivileged.h"

extern char** environ;

namespace norvane::test {

std::vector<std::string> ProgramRun::lines() const {
  std::vector<std::string> result;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& scratchFolder, const ProgramRunOptions& options) {
  std::vector<std::string> arguments{program};
  arguments.insert(arguments.end(), args.begin(), args.end());
  std::vector<std::string> environment;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (!options.env.count(entry.substr(0, entry.find('=')))) environment.push_back(entry);
  }
  for (const auto& [name, value] : options.env) environment.push_back(name + "=" + value);
  const std::string outPath = scratchFolder + "/.out", errPath = scratchFolder + "/.err";

  // Runs in the child: everything is prepared before the fork.
  std::vector<char*> argv, envp;
  for (auto& a : arguments) argv.push_back(a.data());
  for (auto& e : environment) envp.push_back(e.data());
  argv.push_back(nullptr);
  envp.push_back(nullptr);
  const auto start = [&] {
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) return 127;
    if (!options.workingFolder.empty() && ::chdir(options.workingFolder.c_str()) != 0) return 127;
    ::execve(argv[0], argv.data(), envp.data());
    return 127;
  };

  ProgramRun run;
  if (options.unprivileged) {
    run.code = runUnprivileged(start);
  } else {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(start());
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
      run.code = WEXITSTATUS(status);
  }
  run.out = readWholeFile(outPath);
  run.err = readWholeFile(errPath);
  return run;
}

}  // namespace norvane::test
