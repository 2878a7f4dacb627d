#pragma once
// The content hash that every file address of an update carries as its fragment:
// "http://host/file#sha256=<64 hex digits>".
#include <optional>
#include <string>
#include <string_view>

namespace norvane {

struct HashedAddress {
  std::string address;                // without the fragment: what is sent to the server
  std::optional<std::string> sha256;  // 64 lower-case hex digits, when the fragment has them
};

HashedAddress splitHashedAddress(std::string_view url);

// SHA-256 of a file's content in lower-case hex; no value when it can't be read.
std::optional<std::string> sha256OfFile(const std::string& path);
std::string sha256OfText(std::string_view text);

}  // namespace norvane
