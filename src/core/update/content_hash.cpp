#include "core/update/content_hash.h"

#include <sodium.h>

#include <cctype>
#include <fstream>
#include <vector>

namespace norvane {

namespace {

// Lower-case hex, as the addresses' "#sha256=" fragments are compared after lower-casing.
std::string hexOfDigest(const unsigned char (&digest)[crypto_hash_sha256_BYTES]) {
  char hex[crypto_hash_sha256_BYTES * 2 + 1];
  sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
  return std::string(hex, crypto_hash_sha256_BYTES * 2);
}

}  // namespace

HashedAddress splitHashedAddress(std::string_view url) {
  HashedAddress result;
  const auto hash = url.find('#');
  result.address = std::string(url.substr(0, hash));
  if (hash == std::string_view::npos) return result;
  std::string_view fragment = url.substr(hash + 1);
  constexpr std::string_view kPrefix = "sha256=";
  if (fragment.size() != kPrefix.size() + 64) return result;
  for (std::size_t i = 0; i < kPrefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(fragment[i])) != kPrefix[i]) return result;
  }
  std::string digest;
  for (char c : fragment.substr(kPrefix.size())) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return result;
    digest.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  result.sha256 = digest;
  return result;
}

std::optional<std::string> sha256OfFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  crypto_hash_sha256_state state;
  crypto_hash_sha256_init(&state);
  std::vector<char> buffer(1 << 16);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto got = in.gcount();
    if (got > 0) {
      crypto_hash_sha256_update(&state, reinterpret_cast<const unsigned char*>(buffer.data()),
                                static_cast<unsigned long long>(got));
    }
  }
  if (in.bad()) return std::nullopt;
  unsigned char digest[crypto_hash_sha256_BYTES];
  crypto_hash_sha256_final(&state, digest);
  return hexOfDigest(digest);
}

std::string sha256OfText(std::string_view text) {
  unsigned char digest[crypto_hash_sha256_BYTES];
  crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(text.data()), text.size());
  return hexOfDigest(digest);
}

}  // namespace norvane
