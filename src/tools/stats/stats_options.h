#pragma once
// Command line of norvane-stats.
#include <string>
#include <vector>

namespace norvane {

struct StatsOptions {
  std::vector<std::string> roots;  // as given, in order
  bool readAhead = true;           // folders are listed ahead of the count on other threads
  bool help = false;
};

// Reads the arguments (without the program name). Throws std::invalid_argument with a message
// for the user when they are wrong: an unknown option, or no ROOT without --help.
StatsOptions parseStatsOptions(const std::vector<std::string>& args);

extern const char* const kStatsUsage;

}  // namespace norvane
