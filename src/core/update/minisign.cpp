#include "core/update/minisign.h"

#include <sodium.h>

#include <array>
#include <optional>
#include <vector>

namespace norvane {

namespace {

constexpr std::size_t kKeyIdBytes = 8;

std::vector<std::string_view> textLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == text.size()) break;
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<unsigned char>> base64(std::string_view text, std::size_t expected) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::vector<unsigned char> bytes(expected + 3);
  std::size_t length = 0;
  if (sodium_base642bin(bytes.data(), bytes.size(), text.data(), text.size(), nullptr, &length,
                        nullptr, sodium_base64_VARIANT_ORIGINAL) != 0 ||
      length != expected) {
    return std::nullopt;
  }
  bytes.resize(length);
  return bytes;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

SignatureCheck verifyMinisign(std::string_view content, std::string_view signatureFile,
                              std::string_view publicKeyFile) {
  if (sodium_init() < 0) return SignatureCheck::Invalid;

  // Public key: an optional untrusted comment, then "Ed" + key id + 32-byte key.
  std::optional<std::vector<unsigned char>> key;
  for (std::string_view line : textLines(publicKeyFile)) {
    if (line.empty() || startsWith(line, "untrusted comment:")) continue;
    key = base64(line, 2 + kKeyIdBytes + crypto_sign_PUBLICKEYBYTES);
    break;
  }
  if (!key || (*key)[0] != 'E' || (*key)[1] != 'd') return SignatureCheck::BadPublicKey;
  const unsigned char* keyId = key->data() + 2;
  const unsigned char* publicKey = key->data() + 2 + kKeyIdBytes;

  const auto lines = textLines(signatureFile);
  constexpr std::string_view kTrusted = "trusted comment: ";
  if (lines.size() < 4 || !startsWith(lines[0], "untrusted comment:") ||
      !startsWith(lines[2], kTrusted)) {
    return SignatureCheck::BadSignatureFile;
  }
  const auto signature = base64(lines[1], 2 + kKeyIdBytes + crypto_sign_BYTES);
  const auto global = base64(lines[3], crypto_sign_BYTES);
  if (!signature || !global) return SignatureCheck::BadSignatureFile;
  const bool prehashed = (*signature)[0] == 'E' && (*signature)[1] == 'D';
  const bool legacy = (*signature)[0] == 'E' && (*signature)[1] == 'd';
  if (!prehashed && !legacy) return SignatureCheck::BadSignatureFile;
  if (sodium_memcmp(signature->data() + 2, keyId, kKeyIdBytes) != 0) {
    return SignatureCheck::OtherKey;
  }
  const unsigned char* signatureBytes = signature->data() + 2 + kKeyIdBytes;

  int verified = -1;
  if (prehashed) {
    std::array<unsigned char, crypto_generichash_BYTES_MAX> digest{};
    crypto_generichash(digest.data(), digest.size(),
                       reinterpret_cast<const unsigned char*>(content.data()), content.size(),
                       nullptr, 0);
    verified = crypto_sign_verify_detached(signatureBytes, digest.data(), digest.size(), publicKey);
  } else {
    verified = crypto_sign_verify_detached(signatureBytes,
                                           reinterpret_cast<const unsigned char*>(content.data()),
                                           content.size(), publicKey);
  }
  if (verified != 0) return SignatureCheck::Invalid;

  // The global signature covers the signature bytes followed by the trusted comment's text.
  const std::string_view comment = lines[2].substr(kTrusted.size());
  std::vector<unsigned char> covered(signatureBytes, signatureBytes + crypto_sign_BYTES);
  covered.insert(covered.end(), comment.begin(), comment.end());
  if (crypto_sign_verify_detached(global->data(), covered.data(), covered.size(), publicKey) != 0) {
    return SignatureCheck::InvalidComment;
  }
  return SignatureCheck::Valid;
}

}  // namespace norvane
