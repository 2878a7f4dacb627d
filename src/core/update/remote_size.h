#pragma once
// The size of a file on the update server, asked with a HEAD request.
#include <cstdint>
#include <string>

#include "platform/http_client.h"

namespace norvane {

// The "Content-Length" of a 200 answer; −1 for any other status, no or no numeric length, or
// no answer. The address's fragment is not sent.
std::int64_t GetRemoteFileSize(HttpClient& http, const std::string& url);

}  // namespace norvane
