#include "core/update/upgrader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/update/fake_process_control.h"
#include "core/update/update_address.h"
#include "core/update/update_fixture.h"
#include "platform/posix/curl_http_client.h"
#include "platform/posix/posix_file_moves.h"
#include "support/queue_event_loop.h"

namespace norvane {
namespace {

using test::LocalServer;
using test::SigningKey;
using test::TempDir;
using test::UpdateFile;

class DirFolders : public ShellFolders {
 public:
  explicit DirFolders(std::string temp) : temp_(std::move(temp)) {}
  std::string windowsFolder() override { return "/usr"; }
  std::string systemFolder() override { return "/usr/lib"; }
  std::string tempFolder() override { return temp_; }
  std::string specialFolder(int) override { return {}; }
  std::string programFilesDir() override { return "/opt"; }

 private:
  std::string temp_;
};

class SteppingClock : public SystemInfo {
 public:
  std::uint32_t now = 1000;
  bool isNtFamily() override { return true; }
  std::uint32_t tickCount() override { return now += 7; }
  void trimWorkingSet() override {}
};

bool exists(const std::string& path) { return PosixFileMoves().exists(path); }

// A program folder with three files to update, one of them new in a new folder.
class UpgraderRun : public ::testing::Test {
 protected:
  UpgraderRun() : folders(dir / "tmp") {
    dir.makeDir("tmp");
    dir.makeDir("app");
    appDir = dir / "app/";
    processes.executable = appDir + "norvane";
    processes.directory = dir.path();
    dir.writeFile("app/norvane", "old program");
    dir.writeFile("app/data.txt", "old data");
    dir.writeFile("app/update.pub", key.publicKeyText());
    files = {{"%App%/norvane", "new program", "/f/norvane"},
             {"%App%\\data.txt", "new data", "/f/data.txt"},
             {"%App%/plugins/extra.txt", std::string(50000, 'x'), "/f/extra.txt"}};
  }

  Upgrader& upgrader() {
    if (!upgrader_) {
      upgrader_ = std::make_unique<Upgrader>(
          UpdateServices{http, fileMoves, folders, clock, events, processes}, companion);
      upgrader_->onFileBegin = [this](const std::string&, const std::string& local,
                                      std::int64_t size) {
        log.push_back("begin " + local.substr(appDir.size()) + " " + std::to_string(size));
      };
      upgrader_->onFileEnd = [this](const std::string&, const std::string& local, std::int64_t) {
        log.push_back("end " + local.substr(appDir.size()));
      };
      upgrader_->onProgress2 = [this](std::int32_t, std::int32_t multi, std::uint32_t,
                                      std::uint32_t, std::uint32_t,
                                      const char*) { lastMulti = multi; };
    }
    return *upgrader_;
  }

  // Runs an update; true when it handed over (the process would have ended).
  bool run() {
    try {
      upgrader().execute();
    } catch (const test::ProcessExit& exit) {
      EXPECT_EQ(exit.code, 0);
      return true;
    }
    return false;
  }

  void expectUntouched() {
    EXPECT_EQ(test::readWholeFile(appDir + "norvane"), "old program");
    EXPECT_EQ(test::readWholeFile(appDir + "data.txt"), "old data");
    for (const char* name :
         {"norvane.~up", "data.txt.~up", "plugins", "~finished.file", "~upgrader"}) {
      EXPECT_FALSE(exists(appDir + name)) << name;
    }
    EXPECT_TRUE(processes.started.empty());
  }

  TempDir dir;
  SigningKey key;
  LocalServer server;
  std::string appDir;
  std::vector<UpdateFile> files;
  CurlHttpClient http;
  PosixFileMoves fileMoves;
  DirFolders folders;
  SteppingClock clock;
  test::QueueEventLoop events;
  test::FakeProcessControl processes;
  std::string companion = "#!companion image";
  std::vector<std::string> log;
  std::int32_t lastMulti = -1;
  std::unique_ptr<Upgrader> upgrader_;
};

TEST_F(UpgraderRun, DownloadsEverythingBesideItsDestinationAndHandsOver) {
  ::chmod((appDir + "norvane").c_str(), 0750);
  files.push_back({"%App%/tools/helper", "#!/bin/sh\necho\n", "/f/helper"});
  upgrader().updateInfoUrl = test::publishUpdate(server, key, 2, files);
  ASSERT_TRUE(upgrader().checkUpdate());
  ASSERT_TRUE(run());
  const auto mode = [](const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 0777;
  };
  // A replaced program stays executable; a new script becomes one; other new files don't.
  EXPECT_EQ(mode(appDir + "norvane.~up"), 0750u);
  EXPECT_EQ(mode(appDir + "tools/helper.~up"), 0755u);
  EXPECT_EQ(mode(appDir + "plugins/extra.txt.~up"), 0644u);

  EXPECT_EQ(log, (std::vector<std::string>{"begin norvane 11", "end norvane", "begin data.txt 8",
                                           "end data.txt", "begin plugins/extra.txt 50000",
                                           "end plugins/extra.txt", "begin tools/helper 15",
                                           "end tools/helper"}));
  EXPECT_EQ(lastMulti, 100);
  // The destinations are untouched; the new content waits beside them.
  EXPECT_EQ(test::readWholeFile(appDir + "norvane"), "old program");
  EXPECT_EQ(test::readWholeFile(appDir + "norvane.~up"), "new program");
  EXPECT_EQ(test::readWholeFile(appDir + "data.txt.~up"), "new data");
  EXPECT_EQ(test::readWholeFile(appDir + "plugins/extra.txt.~up"), std::string(50000, 'x'));
  EXPECT_EQ(test::readWholeFile(appDir + "~finished.file"),
            "0=" + appDir + "norvane\r\n0=" + appDir + "data.txt\r\n1=" + appDir +
                "plugins/\r\n0=" + appDir + "plugins/extra.txt\r\n1=" + appDir +
                "tools/\r\n0=" + appDir + "tools/helper\r\n");
  // The companion of this build, executable, started with the program's name and id.
  EXPECT_EQ(test::readWholeFile(appDir + "~upgrader"), companion);
  struct stat st {};
  ASSERT_EQ(::stat((appDir + "~upgrader").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0755u);
  ASSERT_EQ(processes.started.size(), 1u);
  EXPECT_EQ(processes.started[0].path, appDir + "~upgrader");
  EXPECT_EQ(processes.started[0].args, (std::vector<std::string>{"norvane", "4242"}));
  EXPECT_TRUE(upgrader().stopped());
  // No fragment was ever sent.
  for (const auto& target : server.targets()) EXPECT_EQ(target.find('#'), std::string::npos);
}

TEST_F(UpgraderRun, AFailedDownloadUndoesTheRun) {
  const std::vector<std::pair<const char*, std::function<void()>>> spoilers{
      {"GET answers 404", [&] { server.serveHeadOnly("/f/data.txt", "new data"); }},
      {"wrong hash", [&] { server.serve("/f/data.txt", "evil dat"); }},
      {"cut short", [&] { server.serveCutShort("/f/data.txt", "new data", 3); }},
  };
  for (const auto& [name, spoil] : spoilers) {
    SCOPED_TRACE(name);
    log.clear();
    upgrader_.reset();
    server.clearRequests();
    upgrader().updateInfoUrl = test::publishUpdate(server, key, 2, files);
    spoil();
    EXPECT_FALSE(run());
    EXPECT_EQ(log, (std::vector<std::string>{"begin norvane 11", "end norvane", "begin data.txt 8",
                                             "end data.txt"}));
    expectUntouched();
    // The third file was never asked for.
    for (const auto& request : server.requests()) EXPECT_NE(request, "GET /f/extra.txt");
  }
}

TEST_F(UpgraderRun, AnAddressWithoutItsHashIsNeverFetched) {
  const std::string url = test::publishUpdate(server, key, 2, files);
  // Re-sign an information file whose last entry lacks the hash.
  std::string text = test::updateInfoText(2, files, server);
  text = text.substr(0, text.rfind("#sha256=")) + "\r\n";
  const std::string info = dir.writeFile("work/updata.txt", text);
  key.sign(info);
  server.serve("/updata.txt", text);
  server.serve("/updata.txt.minisig", test::readWholeFile(info + ".minisig"));
  upgrader().updateInfoUrl = url;
  EXPECT_FALSE(run());
  EXPECT_EQ(log.back(), "end plugins/extra.txt");
  for (const auto& request : server.requests()) EXPECT_NE(request, "GET /f/extra.txt");
  expectUntouched();
}

TEST_F(UpgraderRun, ASizeQueryWithoutLengthEndsTheRunBeforeAnything) {
  const std::string url = test::publishUpdate(server, key, 2, files);
  server.serveWithoutLength("/f/data.txt", "new data");
  upgrader().updateInfoUrl = url;
  EXPECT_FALSE(run());
  EXPECT_TRUE(log.empty());
  for (const auto& request : server.requests())
    EXPECT_EQ(request.rfind("GET /f/", 0), std::string::npos);
  expectUntouched();
}

TEST_F(UpgraderRun, StopDuringADownloadAbortsAndUndoes) {
  files[2].path = "/f/slow.txt";
  const std::string url = test::publishUpdate(server, key, 2, files);
  server.serveSlowly("/f/slow.txt", files[2].content, 500, 10);
  upgrader().updateInfoUrl = url;
  bool clicked = false;
  upgrader().onProgress = [&](const ProgressEx& p, std::uint32_t, const char*) {
    // The click arrives through the event loop, as the window's would.
    if (p.fileDone > 0 && p.fileSize == 50000 && !clicked) {
      clicked = true;
      events.post([&] { upgrader().stop(); });
    }
  };
  const auto started = std::chrono::steady_clock::now();
  EXPECT_FALSE(run());
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  EXPECT_TRUE(clicked);
  EXPECT_EQ(processes.slept, 100u);
  EXPECT_EQ(log.back(), "end plugins/extra.txt");
  expectUntouched();
  EXPECT_TRUE(upgrader().stopped());
}

TEST_F(UpgraderRun, AnExceptionFromAProgressHandlerFailsTheDownload) {
  upgrader().updateInfoUrl = test::publishUpdate(server, key, 2, files);
  upgrader().onProgress = [](const ProgressEx& p, std::uint32_t, const char*) {
    if (p.fileSize == 8) throw std::runtime_error("handler");
  };
  EXPECT_FALSE(run());
  expectUntouched();
}

TEST_F(UpgraderRun, OnlyCorrectlySignedNewerInformationIsAnUpdate) {
  const std::string url = test::publishUpdate(server, key, 2, files);
  upgrader().updateInfoUrl = url;
  DownloadInfo info;
  info.lines = {"left=over"};
  ASSERT_TRUE(upgrader().checkUpdate(&info));
  EXPECT_EQ(info.lines.size(), 3u);
  EXPECT_EQ(info.versionAsNumber, 2);

  // Tampered after signing.
  server.serve("/updata.txt", test::updateInfoText(3, files, server));
  EXPECT_FALSE(upgrader().checkUpdate(&info));
  EXPECT_TRUE(info.lines.empty());
  // Signed by another key.
  SigningKey other;
  test::publishUpdate(server, other, 2, files);
  EXPECT_FALSE(upgrader().checkUpdate());
  // No signature at all.
  server.serve("/updata.txt.minisig", "");
  EXPECT_FALSE(upgrader().checkUpdate());
  // Signed, but not newer.
  test::publishUpdate(server, key, 1, files);
  EXPECT_FALSE(upgrader().checkUpdate());
  // Without the key beside the program nothing is even fetched.
  test::publishUpdate(server, key, 2, files);
  ASSERT_EQ(::unlink((appDir + "update.pub").c_str()), 0);
  server.clearRequests();
  EXPECT_FALSE(upgrader().checkUpdate());
  EXPECT_FALSE(run());
  EXPECT_TRUE(server.requests().empty());
  // No left-overs in the temporary folder.
  EXPECT_EQ(::rmdir((dir / "tmp").c_str()), 0);
}

TEST_F(UpgraderRun, ALocalFileIsReadAsItIs) {
  const std::string local =
      dir.writeFile("local/updata.txt", test::updateInfoText(2, files, server));
  upgrader().updateInfoUrl = "  " + local + " ";
  DownloadInfo info;
  EXPECT_TRUE(upgrader().checkUpdate(&info));
  EXPECT_EQ(info.lines.size(), 3u);
  EXPECT_TRUE(exists(local));
}

TEST_F(UpgraderRun, LeftOversAreClearedAndTheAddressComesFromSettings) {
  dir.writeFile("app/~upgrader", "old companion");
  // An update the companion never finished is undone as well.
  dir.writeFile("app/data.txt.~up", "half");
  dir.writeFile("app/~finished.file", "0=" + appDir + "data.txt\r\n");
  upgrader();
  EXPECT_FALSE(exists(appDir + "~upgrader"));
  EXPECT_FALSE(exists(appDir + "data.txt.~up"));
  EXPECT_FALSE(exists(appDir + "~finished.file"));
  EXPECT_EQ(updateInfoAddress(appDir), kDefaultUpdateInfoUrl);
  dir.writeFile("app/Setup.ini",
                "[ScanSet]\r\nOptichk1=1\r\n[Update]\r\nURL=http://127.0.0.1:1/u.txt\r\n");
  EXPECT_EQ(updateInfoAddress(appDir), "http://127.0.0.1:1/u.txt");
}

}  // namespace
}  // namespace norvane
