#pragma once
// HttpClient on libcurl: redirects followed (HTTP and HTTPS only), certificates verified,
// "Cache-Control: no-cache" on every request, and limits so that a dead server ends a transfer
// within about half a minute.
#include "platform/http_client.h"

namespace norvane {

struct HttpLimits {
  long connectSeconds = 15;
  // A transfer slower than one byte per second for this long is given up.
  long stallSeconds = 15;
};

class CurlHttpClient : public HttpClient {
 public:
  explicit CurlHttpClient(HttpLimits limits = {});

  HttpHeadResult head(const std::string& url) override;
  DownloadResult download(const std::string& url, const std::string& file,
                          const Progress& progress) override;

 private:
  HttpLimits limits_;
};

}  // namespace norvane
