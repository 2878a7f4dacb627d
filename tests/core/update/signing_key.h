#pragma once
// A minisign key pair made by the real `minisign` command, for signing update information in
// tests.
#include <string>

#include "support/temp_dir.h"

namespace norvane::test {

class SigningKey {
 public:
  SigningKey();
  const std::string& publicKeyPath() const { return publicKey_; }
  const std::string& secretKeyPath() const { return secretKey_; }
  std::string publicKeyText() const;
  // Signs `file` into `file` + ".minisig"; `legacy` makes an "Ed" signature over the content
  // instead of the prehashed default. `comment` becomes the trusted comment.
  void sign(const std::string& file, bool legacy = false,
            const std::string& comment = "timestamp:1765262400\tfile:updata.txt") const;
  // Signs `content`, returns the signature file's text.
  std::string signature(const std::string& content, bool legacy = false) const;

 private:
  TempDir dir_;
  std::string publicKey_;
  std::string secretKey_;
};

// Runs a command through the shell; its exit code.
int runCommand(const std::string& command);
std::string quoted(const std::string& text);

}  // namespace norvane::test
