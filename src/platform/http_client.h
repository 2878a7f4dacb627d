#pragma once
// HTTP transfers the online update needs: a HEAD request for a file's size and a download
// straight into a file with progress that can be cancelled. Addresses reach the server as
// given; callers remove any "#fragment" first.
#include <cstdint>
#include <functional>
#include <string>

namespace norvane {

struct HttpHeadResult {
  bool answered = false;  // false: no connection, no reply, or the transfer failed
  int status = 0;
  bool hasContentLength = false;
  std::int64_t contentLength = -1;
};

enum class DownloadStatus { Ok, Failed, Aborted };

struct DownloadResult {
  DownloadStatus status = DownloadStatus::Failed;
  std::string message;  // why it failed, for logs and tests
  bool ok() const { return status == DownloadStatus::Ok; }
};

class HttpClient {
 public:
  // `done` and `total` are the bytes of the body received so far and the body's announced
  // size (0 while unknown). Returning false ends the transfer (DownloadStatus::Aborted).
  using Progress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

  virtual ~HttpClient() = default;
  virtual HttpHeadResult head(const std::string& url) = 0;
  // Writes the body to `file` (created or truncated, never through a link) and flushes it to
  // disk. A status other than 2xx, a body cut short or an abort is a failure; the file may
  // then hold part of the body and is the caller's to delete.
  virtual DownloadResult download(const std::string& url, const std::string& file,
                                  const Progress& progress) = 0;
};

}  // namespace norvane
