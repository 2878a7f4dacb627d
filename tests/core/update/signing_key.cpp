#include "core/update/signing_key.h"

#include <sys/wait.h>

#include <cstdlib>
#include <stdexcept>

namespace norvane::test {

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) {
    if (c == '\'') {
      result += "'\\''";
    } else {
      result += c;
    }
  }
  return result + "'";
}

int runCommand(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

SigningKey::SigningKey() {
  publicKey_ = dir_ / "key.pub";
  secretKey_ = dir_ / "key.sec";
  if (runCommand("minisign -G -W -p " + quoted(publicKey_) + " -s " + quoted(secretKey_) +
                 " >/dev/null 2>&1") != 0) {
    throw std::runtime_error("minisign -G failed");
  }
}

std::string SigningKey::publicKeyText() const { return readWholeFile(publicKey_); }

void SigningKey::sign(const std::string& file, bool legacy, const std::string& comment) const {
  if (runCommand("minisign -S " + std::string(legacy ? "-l " : "") + "-s " + quoted(secretKey_) +
                 " -m " + quoted(file) + " -t " + quoted(comment) + " >/dev/null 2>&1") != 0) {
    throw std::runtime_error("minisign -S failed");
  }
}

std::string SigningKey::signature(const std::string& content, bool legacy) const {
  TempDir work;
  const std::string file = work.writeFile("message", content);
  sign(file, legacy);
  return readWholeFile(file + ".minisig");
}

}  // namespace norvane::test
