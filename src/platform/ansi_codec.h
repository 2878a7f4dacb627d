#pragma once
// The Chinese ANSI code page (CP936 / GBK) that Windows programs wrote their text files in.
#include <string>
#include <string_view>

namespace norvane {

// Converts CP936 bytes to UTF-8. A byte sequence that is not valid CP936 becomes U+FFFD and
// decoding goes on after it.
std::string cp936ToUtf8(std::string_view bytes);

}  // namespace norvane
