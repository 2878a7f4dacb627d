#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "platform/ansi_codec.h"

namespace norvane {

namespace {
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

class IconvHandle {
 public:
  IconvHandle() {
    // CP936 rather than plain GBK: it also maps the single byte 0x80 (the euro sign).
    handle_ = iconv_open("UTF-8", "CP936");
    if (handle_ == reinterpret_cast<iconv_t>(-1)) handle_ = iconv_open("UTF-8", "GBK");
  }
  ~IconvHandle() {
    if (ok()) iconv_close(handle_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};
}  // namespace

std::string cp936ToUtf8(std::string_view bytes) {
  std::string out;
  IconvHandle cd;
  if (!cd.ok()) {
    // No converter: keep ASCII, mark everything else as undecodable.
    for (unsigned char c : bytes) {
      if (c < 0x80)
        out.push_back(static_cast<char>(c));
      else
        out.append(kReplacement);
    }
    return out;
  }
  out.reserve(bytes.size() + bytes.size() / 2);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    std::size_t rc = iconv(cd.get(), &in, &inLeft, &dst, &dstLeft);
    int err = errno;
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (rc != static_cast<std::size_t>(-1)) break;
    if (err == E2BIG) continue;
    // EILSEQ or a sequence cut off at the end: replace one byte and go on.
    out.append(kReplacement);
    ++in;
    --inLeft;
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace norvane
