// norvane-stats: the folder statistics of the page "目录统计" for any folders, one line per
// top-level folder.
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/search/find_file.h"
#include "core/search/path_parts.h"
#include "core/stats/folder_count.h"
#include "platform/directory_reader.h"
#include "platform/file_system_size.h"
#include "platform/link_size.h"
#include "tools/stats/stats_line.h"
#include "tools/stats/stats_options.h"

int main(int argc, char** argv) {
  using namespace norvane;
  // Decimal separators as the page shows them for this user.
  std::setlocale(LC_ALL, "");
  StatsOptions options;
  try {
    options = parseStatsOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& e) {
    std::fprintf(stderr, "norvane-stats: %s\nTry 'norvane-stats --help'.\n", e.what());
    return 2;
  }
  if (options.help) {
    std::fputs(kStatsUsage, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }

  std::shared_ptr<DirectoryReader> reader = makeHostDirectoryReader();
  FindFile search(reader);
  FolderCount count(search, *reader);
  if (!options.readAhead) search.SetReadAhead(ReadAheadOptions::off());
  count.linkSize = symbolicLinkSize;
  count.onFolderCounted = [](const FolderFigures& figures) {
    const std::string line = statsLine(figures);
    std::fwrite(line.data(), 1, line.size(), stdout);
  };

  int status = 0;
  const std::string currentFolder = reader->currentDirectory();
  for (const std::string& given : options.roots) {
    const std::string root = fullPathName(given, currentFolder);
    errno = 0;
    try {
      if (count.countRoot(root, fileSystemTotalSize(root)) == FolderCount::RootResult::Unlisted) {
        const int error = errno;
        std::fprintf(stderr, "norvane-stats: cannot list '%s'%s%s\n", given.c_str(),
                     error != 0 ? ": " : "", error != 0 ? std::strerror(error) : "");
        status = 1;
      }
    } catch (const std::exception& e) {
      std::fflush(stdout);
      std::fprintf(stderr, "norvane-stats: %s: %s\n", given.c_str(), e.what());
      status = 1;
    }
  }
  if (std::fflush(stdout) != 0) {
    std::fprintf(stderr, "norvane-stats: cannot write the output: %s\n", std::strerror(errno));
    return 1;
  }
  return status;
}
