#pragma once
// Output of the command-line tools, collected in large blocks: one write per 64 KiB rather
// than per line.
#include <cstddef>
#include <cstdio>
#include <string>

namespace norvane {

class BlockOutput {
 public:
  explicit BlockOutput(std::FILE* out) : out_(out) { buffer_.reserve(kBlock + 4096); }
  ~BlockOutput() { flush(); }
  BlockOutput(const BlockOutput&) = delete;
  BlockOutput& operator=(const BlockOutput&) = delete;

  // Adds the pieces one after another; writes the block once it is full.
  template <typename... Text>
  void append(const Text&... text) {
    (buffer_.append(text), ...);
    if (buffer_.size() >= kBlock) flush();
  }

  // Writes what is collected. False once any write has fallen short.
  bool flush() {
    if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size())
      failed_ = true;
    buffer_.clear();
    return !failed_;
  }

 private:
  static constexpr std::size_t kBlock = 64 * 1024;
  std::FILE* out_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace norvane
