#include "platform/posix/curl_http_client.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <string_view>

#include "platform/posix/descriptor_io.h"

namespace norvane {

namespace {

void initialiseOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

HeaderList noCacheHeaders() {
  curl_slist* list = curl_slist_append(nullptr, "Cache-Control: no-cache");
  list = curl_slist_append(list, "Pragma: no-cache");
  return HeaderList(list);
}

void setCommonOptions(CURL* curl, const std::string& url, curl_slist* headers,
                      const HttpLimits& limits, char* errorBuffer) {
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits.connectSeconds);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Norvane-Update/1");
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
}

std::string errorText(CURLcode code, const char* buffer) {
  return buffer[0] != '\0' ? std::string(buffer) : std::string(curl_easy_strerror(code));
}

// Content-Length of the last response; redirects start a new set of headers.
struct HeadState {
  int status = 0;
  bool hasLength = false;
  std::int64_t length = -1;
};

std::string trimmed(std::string text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

size_t onHeaderLine(char* data, size_t size, size_t count, void* user) {
  auto* state = static_cast<HeadState*>(user);
  const std::string line(data, size * count);
  if (line.rfind("HTTP/", 0) == 0) {
    *state = HeadState{};
    return size * count;
  }
  const auto colon = line.find(':');
  if (colon == std::string::npos) return size * count;
  std::string name = line.substr(0, colon);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (name != "content-length") return size * count;
  const std::string value = trimmed(line.substr(colon + 1));
  state->hasLength = true;
  state->length = -1;
  if (!value.empty() && value.size() <= 18 &&
      value.find_first_not_of("0123456789") == std::string::npos) {
    state->length = std::stoll(value);
  }
  return size * count;
}

struct Transfer {
  int fd = -1;
  const HttpClient::Progress* progress = nullptr;
  std::exception_ptr error;
  bool aborted = false;
  int writeError = 0;
};

size_t onBody(char* data, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const size_t total = size * count;
  transfer->writeError = writeAll(transfer->fd, std::string_view(data, total));
  // A short count makes curl end the transfer with a write error.
  return transfer->writeError == 0 ? total : 0;
}

int onProgress(void* user, curl_off_t total, curl_off_t done, curl_off_t, curl_off_t) {
  auto* transfer = static_cast<Transfer*>(user);
  if (transfer->progress == nullptr || !*transfer->progress) return 0;
  // Exceptions must not cross libcurl's C frames: keep it and end the transfer.
  try {
    if (!(*transfer->progress)(static_cast<std::uint64_t>(done < 0 ? 0 : done),
                               static_cast<std::uint64_t>(total < 0 ? 0 : total))) {
      transfer->aborted = true;
      return 1;
    }
  } catch (...) {
    transfer->error = std::current_exception();
    return 1;
  }
  return 0;
}

}  // namespace

CurlHttpClient::CurlHttpClient(HttpLimits limits) : limits_(limits) { initialiseOnce(); }

HttpHeadResult CurlHttpClient::head(const std::string& url) {
  HttpHeadResult result;
  Easy curl(curl_easy_init());
  if (!curl) return result;
  const HeaderList headers = noCacheHeaders();
  char errorBuffer[CURL_ERROR_SIZE] = {};
  setCommonOptions(curl.get(), url, headers.get(), limits_, errorBuffer);
  HeadState state;
  curl_easy_setopt(curl.get(), CURLOPT_NOBODY, 1L);
  curl_easy_setopt(curl.get(), CURLOPT_HEADERFUNCTION, onHeaderLine);
  curl_easy_setopt(curl.get(), CURLOPT_HEADERDATA, &state);
  if (curl_easy_perform(curl.get()) != CURLE_OK) return result;
  long status = 0;
  curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
  result.answered = true;
  result.status = static_cast<int>(status);
  result.hasContentLength = state.hasLength && state.length >= 0;
  result.contentLength = result.hasContentLength ? state.length : -1;
  return result;
}

DownloadResult CurlHttpClient::download(const std::string& url, const std::string& file,
                                        const Progress& progress) {
  DownloadResult result;
  Easy curl(curl_easy_init());
  if (!curl) {
    result.message = "libcurl could not start a transfer";
    return result;
  }
  Transfer transfer;
  transfer.fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (transfer.fd < 0) {
    result.message = std::string("cannot write ") + file + ": " + std::strerror(errno);
    return result;
  }
  transfer.progress = &progress;
  const HeaderList headers = noCacheHeaders();
  char errorBuffer[CURL_ERROR_SIZE] = {};
  setCommonOptions(curl.get(), url, headers.get(), limits_, errorBuffer);
  curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, onBody);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl.get(), CURLOPT_XFERINFOFUNCTION, onProgress);
  curl_easy_setopt(curl.get(), CURLOPT_XFERINFODATA, &transfer);

  const CURLcode code = curl_easy_perform(curl.get());
  // The new content must be on disk before anything renames it into place.
  int syncError = code == CURLE_OK && ::fsync(transfer.fd) != 0 ? errno : 0;
  ::close(transfer.fd);
  if (transfer.error) std::rethrow_exception(transfer.error);
  if (code == CURLE_OK && syncError == 0) {
    result.status = DownloadStatus::Ok;
  } else if (transfer.aborted) {
    result.status = DownloadStatus::Aborted;
    result.message = "cancelled";
  } else if (transfer.writeError != 0) {
    result.message =
        std::string("cannot write ") + file + ": " + std::strerror(transfer.writeError);
  } else if (syncError != 0) {
    result.message = std::string("cannot flush ") + file + ": " + std::strerror(syncError);
  } else {
    result.message = errorText(code, errorBuffer);
  }
  return result;
}

}  // namespace norvane
