#pragma once
// Verification of minisign signatures (Ed25519) as `minisign -V` does it: the public key file,
// the detached signature with its key id, legacy ("Ed") and prehashed ("ED", BLAKE2b-512)
// signatures, and the global signature that covers the trusted comment.
#include <string>
#include <string_view>

namespace norvane {

enum class SignatureCheck {
  Valid,
  BadPublicKey,  // the key file isn't a minisign Ed25519 public key
  BadSignatureFile,
  OtherKey,        // signed by another key (key ids differ)
  Invalid,         // the signature doesn't match the content
  InvalidComment,  // the trusted comment's signature doesn't match
};

// `publicKeyFile` and `signatureFile` are the texts of the ".pub" and ".minisig" files.
SignatureCheck verifyMinisign(std::string_view content, std::string_view signatureFile,
                              std::string_view publicKeyFile);

}  // namespace norvane
