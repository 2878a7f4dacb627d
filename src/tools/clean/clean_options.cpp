#include "tools/clean/clean_options.h"

#include <stdexcept>

namespace norvane {

const char* const kCleanUsage =
    "Usage: norvane-clean scan [--partitions] [--temp] [--common] [--folder PATH]...\n"
    "       norvane-clean delete LIST [--dry-run]\n"
    "Finds junk files as the window's scan does and deletes them as its file list does, with\n"
    "the options and file types of Setup.ini.\n"
    "\n"
    "scan writes one line per found file: the folder's and the file's identity (device:inode),\n"
    "size in bytes, modification time (seconds since 1970), full path, separated by tabs; a tab,\n"
    "line feed or backslash in the path is written \\t, \\n, \\\\. Targets run in the order "
    "given:\n"
    "  --partitions        every fixed partition (\"我的电脑\")\n"
    "  --temp              the temporary folders, every file counting (\"临时文件夹\")\n"
    "  --common            the common folders (\"常用文件夹\")\n"
    "  --folder PATH       one folder, as one added to the common folders (repeatable)\n"
    "  --no-readahead      list every folder on the scan's own thread (for comparison)\n"
    "\n"
    "delete deletes the files of such a list, only where folder and file are still the ones\n"
    "found, and prints one status line per file (删除成功, 文件不存在, 重启删除, 删除失败), then\n"
    "the space freed. Exit 0 when every file was deleted or registered for the next start, else "
    "1.\n"
    "  --dry-run           print the status each file would get; delete nothing\n"
    "\n"
    "  --settings FILE     the settings file (default: Setup.ini beside this program)\n"
    "  --help              show this help\n"
    "A wrong command line exits with 2 and deletes nothing.\n";

CleanOptions parseCleanOptions(const std::vector<std::string>& args) {
  CleanOptions options;
  for (const std::string& arg : args)
    if (arg == "--help") {
      options.help = true;
      return options;
    }
  if (args.empty() || args[0].starts_with("-"))
    throw std::invalid_argument("no command: give scan or delete");
  if (args[0] == "scan")
    options.command = CleanCommand::Scan;
  else if (args[0] == "delete")
    options.command = CleanCommand::Delete;
  else
    throw std::invalid_argument("unknown command '" + args[0] + "'");
  const bool scan = options.command == CleanCommand::Scan;

  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw std::invalid_argument(arg + " needs a value");
      return args[++i];
    };
    if (arg == "--settings") {
      options.settingsPath = value();
      if (options.settingsPath.empty()) throw std::invalid_argument("--settings needs a file");
    } else if (scan && arg == "--partitions") {
      options.targets.push_back({CleanTarget::Kind::Partitions, {}});
    } else if (scan && arg == "--temp") {
      options.targets.push_back({CleanTarget::Kind::TempFolders, {}});
    } else if (scan && arg == "--common") {
      options.targets.push_back({CleanTarget::Kind::CommonFolders, {}});
    } else if (scan && arg == "--folder") {
      const std::string& folder = value();
      if (folder.empty()) throw std::invalid_argument("--folder needs a folder");
      options.targets.push_back({CleanTarget::Kind::Folder, folder});
    } else if (scan && arg == "--no-readahead") {
      options.readAhead = false;
    } else if (!scan && arg == "--dry-run") {
      options.dryRun = true;
    } else if (arg.starts_with("-")) {
      throw std::invalid_argument("unknown option '" + arg + "' for " + args[0]);
    } else if (!scan && options.listPath.empty()) {
      options.listPath = arg;
    } else {
      throw std::invalid_argument("unexpected argument '" + arg + "'");
    }
  }
  if (scan && options.targets.empty())
    throw std::invalid_argument("no target: give --partitions, --temp, --common or --folder PATH");
  if (!scan && options.listPath.empty()) throw std::invalid_argument("no list: give the list file");
  return options;
}

}  // namespace norvane
