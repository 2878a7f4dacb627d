// norvane-find: runs one search and prints its matches (or a summary).
#include <cstdint>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/search/find_file.h"
#include "tools/find/find_options.h"
#include "tools/shared/block_output.h"

int main(int argc, char** argv) {
  using namespace norvane;
  FindOptions options;
  try {
    options = parseFindOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& e) {
    std::fprintf(stderr, "norvane-find: %s\nTry 'norvane-find --help'.\n", e.what());
    return 2;
  }
  if (options.help) {
    std::fputs(kFindUsage, stdout);
    return 0;
  }

  std::uint64_t folders = 0;
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;
  BlockOutput output(stdout);
  FindFile search;
  search.SetCriteria(options.criteria);
  search.SetReadAhead(options.readAhead);
  search.SetPackageDatabase(makeHostPackageDatabase());  // read only if the criteria ask
  search.OnFolderChange = [&](FindFile*, const std::string&, FolderIgnore&) { ++folders; };
  if (options.summary) {
    search.OnFileMatch = [&](FindFile*, const std::string&, const SearchRecord& info) {
      ++files;
      bytes += static_cast<std::uint64_t>(info.Size);
    };
  } else {
    search.OnFileMatch = [&](FindFile*, const std::string& folder, const SearchRecord& info) {
      output.append(folder, info.Name, "\n");
    };
  }
  try {
    search.Execute();
  } catch (const std::exception& e) {
    output.flush();
    std::fprintf(stderr, "norvane-find: %s\n", e.what());
    return 1;
  }
  output.flush();
  if (options.summary) {
    std::printf("folders=%llu files=%llu bytes=%llu\n", static_cast<unsigned long long>(folders),
                static_cast<unsigned long long>(files), static_cast<unsigned long long>(bytes));
  }
  if (std::fflush(stdout) != 0) return 1;
  return 0;
}
