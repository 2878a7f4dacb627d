#include "core/update/upgrader.h"

#include <fstream>

#include "core/update/content_hash.h"
#include "core/update/journal.h"
#include "core/update/path_folder.h"
#include "core/update/path_tokens.h"
#include "core/update/pending_update.h"
#include "core/update/remote_size.h"
#include "core/update/update_files.h"
#include "core/update/update_info_loader.h"
#include "core/update/version_date.h"

namespace norvane {

namespace {

// An ELF program or a script with a "#!" line.
bool looksExecutable(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char head[4] = {};
  in.read(head, sizeof head);
  return (in.gcount() == 4 && head[0] == 0x7F && head[1] == 'E' && head[2] == 'L' &&
          head[3] == 'F') ||
         (in.gcount() >= 2 && head[0] == '#' && head[1] == '!');
}

// Sets the stop flag back whichever way a run ends.
struct StoppedOnExit {
  bool& stopped;
  ~StoppedOnExit() { stopped = true; }
};

}  // namespace

Upgrader::Upgrader(UpdateServices services, std::string_view companionImage)
    : versionAsDateTime(localNowAsDateTime()),
      services_(services),
      companionImage_(companionImage) {
  const std::string exe = services_.processes.currentExecutable();
  appDir_ = folderOf(exe);
  exeName_ = exe.substr(appDir_.size());
  upgraderPath_ = appDir_ + kUpgraderFileName;
  removeLeftOverCompanion();
  // Normally done at program start; again here in case a companion was still at work then.
  finishPendingUpdate(appDir_, services_.files, services_.processes);
}

void Upgrader::removeLeftOverCompanion() {
  if (!services_.files.exists(upgraderPath_)) return;
  const std::uint32_t first = services_.system.tickCount();
  while (services_.files.removeFile(upgraderPath_) != 0 && services_.files.exists(upgraderPath_)) {
    if (services_.system.tickCount() - first > 5000) return;
    services_.processes.sleepMs(10);
    services_.events.pumpMessages();
  }
}

bool Upgrader::checkUpdate(DownloadInfo* info) {
  if (info != nullptr) info->lines.clear();
  UpdateInfoLoader loader(services_.http, services_.files, services_.shellFolders.tempFolder(),
                          appDir_ + kPublicKeyFileName);
  const DownloadInfo loaded = loader.load(updateInfoUrl);
  if (!offersUpdate(loaded, RunningVersion{versionPattern, versionAsNumber, versionAsDateTime})) {
    return false;
  }
  if (info != nullptr) *info = loaded;
  return true;
}

void Upgrader::execute(const DownloadInfo* info) {
  if (!stopped_) return;
  doUpgrade(info);
}

void Upgrader::stop() {
  stopped_ = true;
  services_.processes.sleepMs(100);
}

bool Upgrader::downloadProgress(std::uint64_t progress, std::uint64_t progressMax,
                                std::uint32_t statusCode, const char* statusText) {
  progress_.fileDone = static_cast<std::int64_t>(progress);
  progress_.fileSize = static_cast<std::int64_t>(progressMax);
  progress_.totalDone = completedBytes_ + progress_.fileDone;
  if (onProgress) onProgress(progress_, statusCode, statusText);
  if (onProgress2) {
    const ProgressFigures f = progressFigures(progress_, services_.system.tickCount());
    onProgress2(f.singleProgress, f.multiProgress, f.remnantTime, f.speed, statusCode, statusText);
  }
  if (stopped_) return false;
  services_.events.pumpMessages();
  return true;
}

bool Upgrader::makeFolders(const std::string& folder, std::vector<std::string>& journal) {
  if (services_.files.isFolder(folder)) return true;
  // Create the missing parents first; only the folder itself goes into the journal.
  std::string partial;
  std::size_t next = 1;
  while (next <= folder.size()) {
    const auto slash = folder.find('/', next);
    partial = folder.substr(0, slash == std::string::npos ? folder.size() : slash);
    if (!partial.empty() && !services_.files.isFolder(partial)) {
      if (services_.files.makeFolder(partial, 0755) != 0 && !services_.files.isFolder(partial)) {
        return false;
      }
    }
    if (slash == std::string::npos) break;
    next = slash + 1;
  }
  journal.push_back(std::string(1, kFolderTag) + "=" + folder);
  return true;
}

Upgrader::Fetch Upgrader::fetchEntry(const std::string& url, const std::string& destination,
                                     const std::string& download) {
  const HashedAddress target = splitHashedAddress(url);
  // An address without its content hash is never fetched.
  if (!target.sha256) return Fetch::Failed;
  services_.files.removeFile(download);
  const std::string statusText = target.address;
  const HttpClient::Progress progress = [this, &statusText](std::uint64_t done,
                                                            std::uint64_t total) {
    return downloadProgress(done, total, kStatusDownloadingData, statusText.c_str());
  };
  if (!services_.http.download(target.address, download, progress).ok()) return Fetch::Failed;
  const auto actual = sha256OfFile(download);
  if (!actual || *actual != *target.sha256) return Fetch::Failed;
  giveModeOf(destination, download);
  return Fetch::Done;
}

void Upgrader::giveModeOf(const std::string& destination, const std::string& download) {
  // A replaced file keeps its permission bits (a program stays executable); a new file is
  // executable when it is a program or a script.
  unsigned mode = 0;
  if (services_.files.permissions(destination, mode) != 0) {
    mode = looksExecutable(download) ? 0755 : 0644;
  }
  services_.files.setPermissions(download, mode);
}

void Upgrader::doUpgrade(const DownloadInfo* info) {
  stopped_ = false;
  StoppedOnExit resetStop{stopped_};

  DownloadInfo work;
  if (info != nullptr) {
    work = *info;
  } else if (!checkUpdate(&work)) {
    return;
  }

  progress_ = ProgressEx{};
  progress_.fileCount = static_cast<std::int32_t>(work.lines.size());
  std::vector<std::int64_t> sizes;
  for (const auto& line : work.lines) {
    const std::int64_t size = GetRemoteFileSize(services_.http, entryAddress(line));
    if (size < 0) return;
    sizes.push_back(size);
    progress_.totalSize += size;
  }

  std::vector<std::string> journal;
  progress_.startTick = services_.system.tickCount();
  progress_.totalDone = 0;
  completedBytes_ = 0;
  const TokenFolders folders{services_.shellFolders, appDir_,
                             services_.processes.currentDirectory()};
  std::size_t finished = 0;
  for (std::size_t i = 0; i < work.lines.size(); ++i) {
    if (stopped_) break;
    const std::string url = entryAddress(work.lines[i]);
    const std::string localFile = ExpandPathTokens(entryName(work.lines[i]), folders);
    const std::string download = localFile + kDownloadSuffix;
    const std::string folder = folderOf(download);
    if (!folder.empty() && !makeFolders(folder, journal)) {
      // The folder can't be made: the download can't land anywhere.
      if (onFileBegin) onFileBegin(url, localFile, sizes[i]);
      if (onFileEnd) onFileEnd(url, localFile, sizes[i]);
      break;
    }
    if (onFileBegin) onFileBegin(url, localFile, sizes[i]);
    Fetch outcome = Fetch::Failed;
    try {
      outcome = fetchEntry(url, localFile, download);
    } catch (...) {
      outcome = Fetch::Failed;
    }
    if (outcome != Fetch::Done) {
      services_.files.removeFile(download);
      if (onFileEnd) onFileEnd(url, localFile, sizes[i]);
      break;
    }
    journal.push_back(std::string(1, kFileTag) + "=" + localFile);
    completedBytes_ += sizes[i];
    progress_.totalDone = completedBytes_;
    ++finished;
    if (onFileEnd) onFileEnd(url, localFile, sizes[i]);
  }

  if (stopped_ || finished != work.lines.size()) {
    RollbackFiles(journal, services_.files);
    return;
  }
  handOver(journal);
}

void Upgrader::handOver(const std::vector<std::string>& journal) {
  FileMoves& files = services_.files;
  // Always the companion of this build: a file left at its name could be anything.
  if (files.exists(upgraderPath_)) files.removeFile(upgraderPath_);
  files.createFile(upgraderPath_, companionImage_, 0755);
  if (!files.exists(upgraderPath_)) {
    RollbackFiles(journal, files);
    return;
  }
  if (!journal.empty()) {
    const std::string marker = appDir_ + kMarkerFileName;
    files.removeFile(marker);
    if (files.createFile(marker, serializeJournal(journal), 0644) != 0) {
      files.removeFile(upgraderPath_);
      RollbackFiles(journal, files);
      return;
    }
    files.syncFolder(appDir_);
  }
  services_.processes.startDetached(
      upgraderPath_, {exeName_, std::to_string(services_.processes.currentProcessId())});
  services_.processes.exitProcess(0);
}

}  // namespace norvane
