// The companion program for crash tests: it kills itself with SIGKILL just before the change
// on disk numbered NORVANE_TEST_CRASH_AT (from 0), as a power cut or a kill would stop it.
// Without that variable it runs to the end and writes how many changes it made to the file
// named by NORVANE_TEST_STEP_COUNT. Built for tests only.
#include <signal.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/posix/posix_file_moves.h"
#include "platform/posix/posix_process_control.h"
#include "tools/upgrader/companion.h"

int main(int argc, char* argv[]) {
  const char* crashAt = std::getenv("NORVANE_TEST_CRASH_AT");
  const long target = crashAt != nullptr ? std::strtol(crashAt, nullptr, 10) : -1;
  long count = 0;
  const norvane::StepHook hook = [&](std::string_view) {
    if (count++ == target) ::raise(SIGKILL);
  };
  norvane::PosixFileMoves files;
  norvane::PosixProcessControl processes;
  const int code = norvane::runCompanion(std::vector<std::string>(argv + 1, argv + argc), files,
                                         processes, hook);
  if (const char* countFile = std::getenv("NORVANE_TEST_STEP_COUNT")) {
    std::ofstream(countFile) << count << "\n";
  }
  return code;
}
