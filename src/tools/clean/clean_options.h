#pragma once
// Command line of norvane-clean.
#include <string>
#include <vector>

namespace norvane {

enum class CleanCommand { Scan, Delete };

// One target of a scan, as the window's three target pages have them.
struct CleanTarget {
  enum class Kind { Partitions, TempFolders, CommonFolders, Folder };
  Kind kind;
  std::string folder;  // for Folder
};

struct CleanOptions {
  CleanCommand command = CleanCommand::Scan;
  std::vector<CleanTarget> targets;  // in the order given
  std::string listPath;              // delete: the list of found files
  bool dryRun = false;
  bool readAhead = true;     // scan: folders are listed ahead of the walk on other threads
  std::string settingsPath;  // "" for Setup.ini beside the program
  bool help = false;
};

// Reads the arguments (without the program name). Throws std::invalid_argument with a message
// for the user when they are wrong.
CleanOptions parseCleanOptions(const std::vector<std::string>& args);

extern const char* const kCleanUsage;

}  // namespace norvane
