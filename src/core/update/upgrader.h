#pragma once
// The update component: checks for an update, downloads every listed file beside its
// destination (".~up"), reports progress, keeps a journal of what it created, and hands over to
// the companion program, which puts the files in place after this program has ended. A
// stopped or failed run undoes its downloads instead.
//
// Everything runs on the caller's (user-interface) thread; each progress notification pumps
// the event loop, so a stop request from the window arrives during a download.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/update/download_info.h"
#include "core/update/progress.h"
#include "core/update/version_check.h"
#include "platform/event_loop.h"
#include "platform/file_moves.h"
#include "platform/http_client.h"
#include "platform/process_control.h"
#include "platform/shell_folders.h"
#include "platform/system_info.h"

namespace norvane {

struct UpdateServices {
  HttpClient& http;
  FileMoves& files;
  ShellFolders& shellFolders;
  SystemInfo& system;
  EventLoop& events;
  ProcessControl& processes;
};

// Status code of the progress events while data arrives (the bind status "downloading data").
inline constexpr std::uint32_t kStatusDownloadingData = 5;

class Upgrader {
 public:
  using ProgressHandler = std::function<void(const ProgressEx& progress, std::uint32_t statusCode,
                                             const char* statusText)>;
  using Progress2Handler = std::function<void(
      std::int32_t singleProgress, std::int32_t multiProgress, std::uint32_t remnantTime,
      std::uint32_t speed, std::uint32_t statusCode, const char* statusText)>;
  using FileHandler =
      std::function<void(const std::string& url, const std::string& localFile, std::int64_t size)>;

  // `companionImage` is the companion program's executable, written out at the handover; it
  // must stay valid while this object lives. A companion file left by an earlier update is
  // removed now.
  Upgrader(UpdateServices services, std::string_view companionImage);
  virtual ~Upgrader() = default;
  Upgrader(const Upgrader&) = delete;
  Upgrader& operator=(const Upgrader&) = delete;

  std::string updateInfoUrl;
  VersionPattern versionPattern = VersionPattern::ByNumber;
  double versionAsDateTime;  // now, local time
  std::int32_t versionAsNumber = 1;

  ProgressHandler onProgress;
  Progress2Handler onProgress2;
  FileHandler onFileBegin;
  FileHandler onFileEnd;

  // True when an update newer than the running version is offered; `info` (when given) then
  // holds it. Its lines are cleared first in any case.
  bool checkUpdate(DownloadInfo* info = nullptr);
  // Runs an update (with `info`, or with what a fresh check finds) unless a run is active.
  // Returns when the run has ended; a successful handover ends the process instead.
  void execute(const DownloadInfo* info = nullptr);
  // Asks the run to stop, then blocks for 100 ms.
  void stop();

  bool stopped() const { return stopped_; }
  const std::string& appDir() const { return appDir_; }
  const std::string& upgraderPath() const { return upgraderPath_; }
  const ProgressEx& progress() const { return progress_; }

  // The platform's progress notification for the current download. False asks it to abort.
  bool downloadProgress(std::uint64_t progress, std::uint64_t progressMax, std::uint32_t statusCode,
                        const char* statusText);

 protected:
  virtual void doUpgrade(const DownloadInfo* info);

 private:
  enum class Fetch { Done, Failed };
  Fetch fetchEntry(const std::string& url, const std::string& destination,
                   const std::string& download);
  void giveModeOf(const std::string& destination, const std::string& download);
  void handOver(const std::vector<std::string>& journal);
  bool makeFolders(const std::string& folder, std::vector<std::string>& journal);
  void removeLeftOverCompanion();

  UpdateServices services_;
  std::string_view companionImage_;
  bool stopped_ = true;
  std::int64_t completedBytes_ = 0;
  std::string appDir_;
  std::string exeName_;
  std::string upgraderPath_;
  ProgressEx progress_;
};

}  // namespace norvane
