// norvane-clean: the junk scan and the deletion of the window, for cron jobs and remote
// machines. `scan` writes the found files as a list, `delete` deletes a list's files.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/cleaning/cleaning_settings.h"
#include "platform/file_content.h"
#include "platform/program_location.h"
#include "tools/clean/clean_delete.h"
#include "tools/clean/clean_options.h"
#include "tools/clean/clean_scan.h"
#include "tools/clean/found_file_list.h"

namespace {

constexpr int kUsageError = 2;
constexpr std::size_t kMaxListBytes = std::size_t{1} << 30;
constexpr std::size_t kMaxSettingsBytes = std::size_t{16} << 20;

int usageError(const std::string& message) {
  std::fprintf(stderr, "norvane-clean: %s\nTry 'norvane-clean --help'.\n", message.c_str());
  return kUsageError;
}

// Reads the whole list before anything is deleted: a list with one bad line deletes nothing.
bool readList(const std::string& path, std::vector<norvane::ListedFile>& files,
              std::string& error) {
  std::string text;
  if (norvane::readWholeFile(path, text, kMaxListBytes) != norvane::ReadFileStatus::Ok) {
    error = path + ": can't read the list";
    return false;
  }
  std::size_t number = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    ++number;
    norvane::ListedFile listed;
    std::string reason;
    if (!norvane::parseListLine(std::string_view(text).substr(start, end - start), listed,
                                reason)) {
      error = path + ":" + std::to_string(number) + ": " + reason;
      return false;
    }
    files.push_back(std::move(listed));
    start = end + 1;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace norvane;
  CleanOptions options;
  try {
    options = parseCleanOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& e) {
    return usageError(e.what());
  }
  if (options.help) {
    std::fputs(kCleanUsage, stdout);
    return 0;
  }

  // A settings file named on the command line must be there: without it the defaults would
  // decide what is deleted. Beside the program, a missing file means the defaults, as in the
  // window.
  CleaningSettings settings = defaultCleaningSettings();
  std::string settingsFile = options.settingsPath;
  if (!settingsFile.empty()) {
    std::string text;
    if (readWholeFile(settingsFile, text, kMaxSettingsBytes) != ReadFileStatus::Ok)
      return usageError(settingsFile + ": can't read the settings");
  } else {
    settingsFile = settingsPath(runningProgramFolder());
  }
  loadCleaningSettings(settingsFile, settings);

  std::vector<ListedFile> files;
  if (options.command == CleanCommand::Delete) {
    std::string error;
    if (!readList(options.listPath, files, error)) return usageError(error);
  }

  const Platform platform = makeHostPlatform();
  if (options.command == CleanCommand::Scan)
    return runCleanScan(options.targets, settings, platform,
                        options.readAhead ? ReadAheadOptions::defaults() : ReadAheadOptions::off(),
                        stdout);
  return runCleanDelete(files, settings, platform, options.dryRun, stdout, stderr);
}
