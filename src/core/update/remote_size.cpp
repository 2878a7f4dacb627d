#include "core/update/remote_size.h"

#include "core/update/content_hash.h"

namespace norvane {

std::int64_t GetRemoteFileSize(HttpClient& http, const std::string& url) {
  const std::string address = splitHashedAddress(url).address;
  if (address.empty()) return -1;
  try {
    const HttpHeadResult head = http.head(address);
    if (!head.answered || head.status != 200 || !head.hasContentLength) return -1;
    return head.contentLength;
  } catch (...) {
    return -1;
  }
}

}  // namespace norvane
