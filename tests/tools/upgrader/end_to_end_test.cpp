// A signed update of three files, one of them the program itself and one new in a new folder,
// from the program's run through the companion to the restarted new program.
#include <gtest/gtest.h>

#include <csignal>

#include "core/update/local_server.h"
#include "core/update/signing_key.h"
#include "core/update/update_fixture.h"
#include "support/temp_dir.h"
#include "tools/upgrader/child_process.h"
#include "tools/upgrader/program_folder.h"

namespace norvane {
namespace {

using test::pathExists;
using test::readWholeFile;

class EndToEnd : public ::testing::Test {
 protected:
  EndToEnd() {
    appDir = dir.path() + "/";
    test::copyExecutable(NORVANE_FIXTURE_V1, appDir + "norvane");
    dir.writeFile("update.pub", key.publicKeyText());
    dir.writeFile("Setup.ini", "[Update]\r\nURL=" + server.url("/updata.txt") + "\r\n");
    dir.writeFile("data/a.txt", "old a");
    dir.writeFile("run-update");
    files = {{"%App%/norvane", readWholeFile(NORVANE_FIXTURE_V2), "/v2/norvane"},
             {"%App%\\data\\a.txt", "new a", "/v2/a.txt"},
             {"%App%/extras/c.txt", "new c", "/v2/c.txt"}};
  }

  // Runs version 1 and waits until the run and whatever it started have ended.
  void runProgram(const std::string& expectedLastLine) {
    const test::ChildExit exit = test::runChild(appDir + "norvane", {});
    // After a handover the companion ends the program; on a busy machine that can come before
    // the program's own exit.
    if (exit.exited) {
      EXPECT_EQ(exit.code, 0);
    } else {
      EXPECT_EQ(exit.signal, SIGKILL);
    }
    ASSERT_TRUE(test::waitFor([&] {
      const std::string log = readWholeFile(appDir + "starts.log");
      return log.size() >= expectedLastLine.size() &&
             log.compare(log.size() - expectedLastLine.size(), std::string::npos,
                         expectedLastLine) == 0 &&
             !pathExists(appDir + "~upgrader");
    })) << readWholeFile(appDir + "starts.log");
  }

  void expectNothingLeft() {
    for (const char* name :
         {"norvane.~up", "norvane.~bf", "data/a.txt.~up", "data/a.txt.~bf", "extras/c.txt.~up",
          "~finished.file", "~finished.done", "~upgrader", "run-update"}) {
      EXPECT_FALSE(pathExists(appDir + name)) << name;
    }
  }

  void expectAsBefore() {
    EXPECT_TRUE(readWholeFile(appDir + "norvane") == readWholeFile(NORVANE_FIXTURE_V1))
        << "the program is not version 1";
    EXPECT_EQ(readWholeFile(appDir + "data/a.txt"), "old a");
    EXPECT_FALSE(pathExists(appDir + "extras"));
    EXPECT_EQ(readWholeFile(appDir + "starts.log"), "started version 1\nno handover\n");
    expectNothingLeft();
  }

  test::TempDir dir;
  std::string appDir;
  test::SigningKey key;
  test::LocalServer server;
  std::vector<test::UpdateFile> files;
};

TEST_F(EndToEnd, ASignedUpdateReplacesTheProgramAndRestartsIt) {
  test::publishUpdate(server, key, 2, files);
  runProgram("started version 2\n");
  EXPECT_EQ(readWholeFile(appDir + "starts.log"), "started version 1\nstarted version 2\n");
  EXPECT_TRUE(readWholeFile(appDir + "norvane") == readWholeFile(NORVANE_FIXTURE_V2))
      << "the program is not version 2";
  EXPECT_EQ(readWholeFile(appDir + "data/a.txt"), "new a");
  EXPECT_EQ(readWholeFile(appDir + "extras/c.txt"), "new c");
  expectNothingLeft();
  // The new version doesn't take the same update again.
  dir.writeFile("run-update");
  runProgram("no handover\n");
  EXPECT_EQ(readWholeFile(appDir + "starts.log"),
            "started version 1\nstarted version 2\nstarted version 2\nno handover\n");
}

TEST_F(EndToEnd, ATamperedFileLeavesEverythingAsItWas) {
  test::publishUpdate(server, key, 2, files);
  server.serve("/v2/c.txt", "evil c");
  runProgram("no handover\n");
  expectAsBefore();
}

TEST_F(EndToEnd, ATamperedSignatureLeavesEverythingAsItWas) {
  test::publishUpdate(server, key, 2, files);
  server.serve("/updata.txt",
               test::updateInfoText(2, files, server) + "%App%/x=http://127.0.0.1:9/x\r\n");
  runProgram("no handover\n");
  expectAsBefore();
}

}  // namespace
}  // namespace norvane
