// The maintainer's script that writes and signs update information.
#include <gtest/gtest.h>

#include "core/update/content_hash.h"
#include "core/update/download_info.h"
#include "core/update/minisign.h"
#include "core/update/signing_key.h"

namespace norvane {
namespace {

using test::quoted;
using test::readWholeFile;

TEST(MakeUpdateScript, WritesHashedAddressesAndASignatureTheProgramAccepts) {
  test::SigningKey key;
  test::TempDir dir;
  const std::string program = dir.writeFile("build/norvane", "program v2");
  const std::string notes = dir.writeFile("docs/新 说明.txt", "说明");
  const std::string out = dir / "out";
  ASSERT_EQ(test::runCommand("python3 " + quoted(NORVANE_MAKE_UPDATE) + " -k " +
                             quoted(key.secretKeyPath()) +
                             " -b https://example.invalid/update/2/ -v 2 -o " + quoted(out) + " " +
                             quoted(program + "=%App%/norvane") + " " +
                             quoted(notes + "=%App%\\docs\\新 说明.txt") + " >/dev/null"),
            0);
  const std::string text = readWholeFile(out + "/updata.txt");
  EXPECT_NE(text.find("\r\n"), std::string::npos);
  const DownloadInfo info = DownloadInfo::fromFile(out + "/updata.txt");
  EXPECT_EQ(info.versionAsNumber, 2);
  ASSERT_EQ(info.lines.size(), 2u);
  EXPECT_EQ(info.lines[0], "%App%/norvane=https://example.invalid/update/2/norvane#sha256=" +
                               sha256OfText("program v2"));
  EXPECT_EQ(info.lines[1],
            "%App%\\docs\\新 说明.txt=https://example.invalid/update/2/"
            "%E6%96%B0%20%E8%AF%B4%E6%98%8E.txt#sha256=" +
                sha256OfText("说明"));
  EXPECT_EQ(readWholeFile(out + "/norvane"), "program v2");
  EXPECT_EQ(readWholeFile(out + "/新 说明.txt"), "说明");
  EXPECT_EQ(verifyMinisign(text, readWholeFile(out + "/updata.txt.minisig"), key.publicKeyText()),
            SignatureCheck::Valid);
  // A file that isn't there stops the script before anything is signed.
  EXPECT_NE(test::runCommand("python3 " + quoted(NORVANE_MAKE_UPDATE) + " -k " +
                             quoted(key.secretKeyPath()) + " -b http://x -v 3 -o " +
                             quoted(dir / "out2") + " " + quoted(dir / "nope=%App%/nope") +
                             " 2>/dev/null"),
            0);
}

}  // namespace
}  // namespace norvane
