// The update companion program. Arguments: the program's file name and its process id.
#include <string>
#include <vector>

#include "platform/posix/posix_file_moves.h"
#include "platform/posix/posix_process_control.h"
#include "tools/upgrader/companion.h"

int main(int argc, char* argv[]) {
  norvane::PosixFileMoves files;
  norvane::PosixProcessControl processes;
  return norvane::runCompanion(std::vector<std::string>(argv + 1, argv + argc), files, processes);
}
