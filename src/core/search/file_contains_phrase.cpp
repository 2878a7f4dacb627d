#include "core/search/file_contains_phrase.h"

#include <array>
#include <cstring>
#include <vector>

namespace norvane {

namespace {

// Moves `p` on to the next byte that can start a match, as the one-byte advance would do,
// keeping `prev` (the byte before `p`) current.
void skipToCandidate(const unsigned char* buf, std::int64_t& p, std::int64_t& count,
                     unsigned char& prev, const std::array<bool, 256>& starts, int singleStart) {
  std::int64_t q = p;
  const std::int64_t end = p + count;
  if (singleStart >= 0) {
    const void* hit = std::memchr(buf + q, singleStart, static_cast<std::size_t>(end - q));
    q = hit ? static_cast<const unsigned char*>(hit) - buf : end;
  } else {
    while (q < end && !starts[buf[q]]) ++q;
  }
  if (q > p) {
    prev = buf[q - 1];
    count -= q - p;
    p = q;
  }
}

}  // namespace

bool FileContainsPhrase(ReadableFile& file, std::string_view searchText, std::int64_t phraseLen,
                        bool wholeWord, const CharTable& charMap) {
  if (phraseLen <= 0 || static_cast<std::int64_t>(searchText.size()) < phraseLen) return false;
  const std::int64_t length = file.size();
  if (length < phraseLen) return false;
  // A phrase as long as a block gets one byte more, so that the byte after a match that fills
  // the block can still be read to decide a whole word.
  std::int64_t blockSize = length;
  if (length > kPhraseBlockSize) {
    blockSize = phraseLen >= kPhraseBlockSize ? phraseLen + 1 : kPhraseBlockSize;
  }
  std::vector<char> storage(static_cast<std::size_t>(blockSize));
  auto* buf = reinterpret_cast<unsigned char*>(storage.data());
  const auto* text = reinterpret_cast<const unsigned char*>(searchText.data());

  std::array<bool, 256> starts{};
  int startCount = 0;
  int singleStart = -1;
  for (int b = 0; b < 256; ++b) {
    if (charMap[b] == text[0]) {
      starts[b] = true;
      ++startCount;
      singleStart = b;
    }
  }
  if (startCount != 1) singleStart = -1;

  unsigned char prev = 0;
  bool found = false;
  std::int64_t count = file.read(storage.data(), blockSize);
  std::int64_t p = 0;
  while (count > 0) {
    while (count > 0) {
      skipToCandidate(buf, p, count, prev, starts, singleStart);
      if (count == 0) break;
      if (!wholeWord || WordDelimiters[prev]) {
        std::int64_t i = 1;
        for (;;) {
          if (i == phraseLen) {
            if (!wholeWord) return true;
            if (i < count) {
              if (WordDelimiters[buf[p + i]]) return true;
              break;
            }
            found = true;
          }
          if (i == count) {
            std::memmove(buf, buf + p, static_cast<std::size_t>(i));
            p = 0;
            std::int64_t n = file.read(storage.data() + i, blockSize - i);
            if (n < 0) return false;
            count = n + i;
            if (count < phraseLen) return found;
            if (found) {
              if (n == 0 || WordDelimiters[buf[i]]) return true;
              found = false;
              break;
            }
          }
          if (charMap[buf[p + i]] != text[i]) break;
          ++i;
        }
      }
      prev = buf[p];
      ++p;
      --count;
    }
    count = file.read(storage.data(), blockSize);
    p = 0;
  }
  return false;
}

bool FileContainsPhrase(const std::string& path, std::string_view searchText,
                        std::int64_t phraseLen, bool wholeWord, const CharTable& charMap) {
  auto file = makeHostDirectoryReader()->openFile(path);
  if (!file) return false;
  return FileContainsPhrase(*file, searchText, phraseLen, wholeWord, charMap);
}

}  // namespace norvane
