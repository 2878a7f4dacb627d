#include "support/fixture_programs.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace norvane::test {

std::string writeScript(const TempDir& dir, const std::string& relative, const std::string& body) {
  const std::string path = dir.writeFile(relative, "#!/bin/sh\n" + body);
  chmod(path.c_str(), 0755);
  return path;
}

std::string writeRecordingScript(const TempDir& dir, const std::string& relative, int exitCode,
                                 const std::string& then) {
  return writeScript(dir, relative,
                     "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n" + then +
                         "\nexit " + std::to_string(exitCode) + "\n");
}

std::unique_ptr<StartedProcess> FixtureProcessLauncher::start(
    const std::vector<std::string>& arguments) {
  started.push_back(arguments);
  if (programFolder.empty() || arguments.empty() || arguments[0].empty()) raiseOSError(ENOENT);
  std::vector<std::string> resolved = arguments;
  const std::string& program = arguments[0];
  if (program.find('/') == std::string::npos) {
    resolved[0] = programFolder + "/" + program;
    struct stat st;
    if (::stat(resolved[0].c_str(), &st) != 0) raiseOSError(ENOENT);
  } else if (program.compare(0, programFolder.size() + 1, programFolder + "/") != 0 ||
             program.find("/../") != std::string::npos) {
    raiseOSError(ENOENT);
  }
  return real_->start(resolved);
}

}  // namespace norvane::test
