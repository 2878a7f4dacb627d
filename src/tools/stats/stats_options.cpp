#include "tools/stats/stats_options.h"

#include <stdexcept>

namespace norvane {

const char* const kStatsUsage =
    "Usage: norvane-stats [--] ROOT...\n"
    "For each ROOT in order, prints one line per folder directly in it, as the page\n"
    "\"目录统计\" counts them: hidden entries, system entries (sockets, pipes, devices, mount\n"
    "points of other file systems), files and links get no line. Fields, tab-separated:\n"
    "\n"
    "  PATH      ROOT + \"/\" + name, ROOT made absolute; a tab, newline or backslash in it\n"
    "            is written \\t, \\n, \\\\\n"
    "  FOLDERS   folders below it, at any depth\n"
    "  FILES     files below it, at any depth (links count as files)\n"
    "  BYTES     the files' own sizes added up; folders and links count 0\n"
    "  SIZE      the size text and the share of the file system holding ROOT, e.g.\n"
    "            \"1.50 MB  (0.02%)\"\n"
    "\n"
    "The walk never follows a link and never enters another mount.\n"
    "Exit status: 0 when every ROOT was listed, 1 when one could not be (the others still\n"
    "run), 2 for a wrong command line.\n"
    "\n"
    "  --no-readahead  list every folder on the count's own thread (for comparison)\n"
    "  --help          show this help\n";

StatsOptions parseStatsOptions(const std::vector<std::string>& args) {
  StatsOptions options;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg == "--no-readahead") {
      options.readAhead = false;
    } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      options.help = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      throw std::invalid_argument("unknown option '" + arg + "'");
    } else {
      options.roots.push_back(arg);
    }
  }
  if (options.roots.empty() && !options.help) throw std::invalid_argument("no ROOT given");
  return options;
}

}  // namespace norvane
