#pragma once
// In-memory files for the phrase search: real content, or a large file of one byte value
// with some text placed at an offset, without allocating its length.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/directory_reader.h"

namespace norvane::test {

class MemoryFile : public ReadableFile {
 public:
  // `length` bytes of `fill`, with `text` at `offset`.
  MemoryFile(std::int64_t length, char fill, std::int64_t offset, std::string text)
      : length_(length), fill_(fill), offset_(offset), text_(std::move(text)) {}
  explicit MemoryFile(std::string content)
      : length_(static_cast<std::int64_t>(content.size())), fill_(0), offset_(0),
        text_(std::move(content)) {}

  std::int64_t size() const override { return length_; }
  std::int64_t read(char* buffer, std::int64_t count) override {
    ++reads;
    if (failAfter >= 0 && reads > failAfter) return -1;
    std::int64_t n = std::min(count, length_ - position_);
    if (n <= 0) return 0;
    std::memset(buffer, fill_, static_cast<std::size_t>(n));
    const std::int64_t textEnd = offset_ + static_cast<std::int64_t>(text_.size());
    const std::int64_t from = std::max(position_, offset_);
    const std::int64_t to = std::min(position_ + n, textEnd);
    if (from < to) {
      std::memcpy(buffer + (from - position_), text_.data() + (from - offset_),
                  static_cast<std::size_t>(to - from));
    }
    position_ += n;
    bytesRead += n;
    return n;
  }

  int reads = 0;
  int failAfter = -1;  // reads after this many fail
  std::int64_t bytesRead = 0;

 private:
  std::int64_t length_;
  char fill_;
  std::int64_t offset_;
  std::string text_;
  std::int64_t position_ = 0;
};

}  // namespace norvane::test
