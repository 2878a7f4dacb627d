#include "core/update/minisign.h"

#include <gtest/gtest.h>

#include "core/update/signing_key.h"

namespace norvane {
namespace {

using test::SigningKey;

const std::string kContent = "[Version]\r\nVersion=2\r\n[Files]\r\n%App%/a=http://x/a\r\n";

// Replaces one base64 character of line `index` (0-based) by another valid one.
std::string tamperLine(const std::string& text, int index, std::size_t column) {
  std::string result = text;
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) start = result.find('\n', start) + 1;
  char& c = result[start + column];
  c = c == 'A' ? 'B' : 'A';
  return result;
}

TEST(VerifyMinisign, AcceptsWhatMinisignSignsBothPrehashedAndLegacy) {
  SigningKey key;
  const std::string prehashed = key.signature(kContent);
  const std::string legacy = key.signature(kContent, true);
  ASSERT_EQ(prehashed.substr(prehashed.find('\n') + 1, 2), "RU");  // "ED"
  ASSERT_EQ(legacy.substr(legacy.find('\n') + 1, 2), "RW");        // "Ed"
  EXPECT_EQ(verifyMinisign(kContent, prehashed, key.publicKeyText()), SignatureCheck::Valid);
  EXPECT_EQ(verifyMinisign(kContent, legacy, key.publicKeyText()), SignatureCheck::Valid);
  // Files written on Windows keep working.
  std::string crlf;
  for (char c : prehashed) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  EXPECT_EQ(verifyMinisign(kContent, crlf, key.publicKeyText()), SignatureCheck::Valid);
}

TEST(VerifyMinisign, RejectsChangedContentCommentKeyOrFormat) {
  SigningKey key;
  SigningKey other;
  const std::string signature = key.signature(kContent);
  const std::string legacy = key.signature(kContent, true);
  EXPECT_EQ(verifyMinisign(kContent + " ", signature, key.publicKeyText()),
            SignatureCheck::Invalid);
  EXPECT_EQ(verifyMinisign(kContent + " ", legacy, key.publicKeyText()), SignatureCheck::Invalid);
  EXPECT_EQ(verifyMinisign(kContent, signature, other.publicKeyText()), SignatureCheck::OtherKey);
  // A byte of the signature itself (well past the algorithm and key id).
  EXPECT_EQ(verifyMinisign(kContent, tamperLine(signature, 1, 40), key.publicKeyText()),
            SignatureCheck::Invalid);
  // The trusted comment is covered by the global signature.
  std::string comment = signature;
  comment.replace(comment.find("timestamp:"), 10, "timestamq:");
  EXPECT_EQ(verifyMinisign(kContent, comment, key.publicKeyText()), SignatureCheck::InvalidComment);
  EXPECT_EQ(verifyMinisign(kContent, tamperLine(signature, 3, 20), key.publicKeyText()),
            SignatureCheck::InvalidComment);
  EXPECT_EQ(verifyMinisign(kContent, "", key.publicKeyText()), SignatureCheck::BadSignatureFile);
  EXPECT_EQ(verifyMinisign(kContent, "untrusted comment: x\nRWQ!!!\n", key.publicKeyText()),
            SignatureCheck::BadSignatureFile);
  EXPECT_EQ(verifyMinisign(kContent, signature, ""), SignatureCheck::BadPublicKey);
  EXPECT_EQ(verifyMinisign(kContent, signature, "untrusted comment: k\nRWQAAAA=\n"),
            SignatureCheck::BadPublicKey);
}

TEST(VerifyMinisign, AgreesWithMinisignOnTheSameFiles) {
  SigningKey key;
  test::TempDir dir;
  const std::string file = dir.writeFile("updata.txt", kContent);
  key.sign(file);
  const std::string signature = test::readWholeFile(file + ".minisig");
  const std::string changed = tamperLine(signature, 1, 50);
  dir.writeFile("updata.txt.minisig", changed);
  const int minisignVerdict =
      test::runCommand("minisign -V -q -p " + test::quoted(key.publicKeyPath()) + " -m " +
                       test::quoted(file) + " >/dev/null 2>&1");
  EXPECT_NE(minisignVerdict, 0);
  EXPECT_NE(verifyMinisign(kContent, changed, key.publicKeyText()), SignatureCheck::Valid);
  dir.writeFile("updata.txt.minisig", signature);
  EXPECT_EQ(test::runCommand("minisign -V -q -p " + test::quoted(key.publicKeyPath()) + " -m " +
                             test::quoted(file) + " >/dev/null 2>&1"),
            0);
  EXPECT_EQ(verifyMinisign(kContent, signature, key.publicKeyText()), SignatureCheck::Valid);
}

}  // namespace
}  // namespace norvane
