#include "core/uninstall/process_runner.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "core/uninstall/desktop_registrations.h"
#include "core/uninstall/software_uninstall.h"
#include "platform/errors.h"
#include "platform/posix/dpkg_database.h"
#include "platform/posix/posix_desktop_files.h"
#include "platform/posix/posix_processes.h"
#include "support/queue_event_loop.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

namespace fs = std::filesystem;

// An executable shell script in the temporary folder.
std::string writeScript(const test::TempDir& dir, const std::string& name,
                        const std::string& body) {
  const std::string path = dir.writeFile(name, "#!/bin/sh\n" + body);
  chmod(path.c_str(), 0755);
  return path;
}

// Records its arguments, one a line, beside itself and exits with `code`.
std::string recorder(const test::TempDir& dir, const std::string& name, int code) {
  return writeScript(dir, name,
                     "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n"
                     "exit " +
                         std::to_string(code) + "\n");
}

// Waits until the file "release" appears beside it, then leaves "done" and ends.
std::string waiter(const test::TempDir& dir) {
  return writeScript(dir, "waiter",
                     "d=$(dirname \"$0\")\n"
                     "while [ ! -e \"$d/release\" ]; do sleep 0.02; done\n"
                     "echo done > \"$d/done\"\n");
}

bool waitForFile(const std::string& path) {
  for (int i = 0; i < 1000 && !fs::exists(path); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return fs::exists(path);
}

class PathPrefix {
 public:
  explicit PathPrefix(const std::string& folder)
      : old_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    setenv("PATH", (folder + ":" + old_).c_str(), 1);
  }
  ~PathPrefix() { setenv("PATH", old_.c_str(), 1); }

 private:
  std::string old_;
};

class ProcessRunnerTest : public ::testing::Test {
 protected:
  ProcessRunnerTest() {
    runner.onTerminate = [this](ProcessRunner& sender, std::uint32_t code) {
      EXPECT_EQ(&sender, &runner);
      EXPECT_EQ(std::this_thread::get_id(), testThread);
      ++ends;
      exitCode = code;
    };
  }

  test::TempDir dir;
  test::QueueEventLoop loop;
  ProcessRunner runner{std::make_shared<PosixProcessLauncher>(), loop};
  std::thread::id testThread = std::this_thread::get_id();
  int ends = 0;
  std::uint32_t exitCode = 0;
};

TEST_F(ProcessRunnerTest, RunsTheSplitCommandAndReportsItsEnd) {
  const std::string program = recorder(dir, "un install", 7);
  runner.setCommandLine("'" + program + "' 'two words' \"$HOME\" x\\ y ''");
  runner.start();
  EXPECT_TRUE(runner.waiting());
  ASSERT_TRUE(loop.pumpUntil([&] { return ends == 1; }));
  EXPECT_FALSE(runner.waiting());
  EXPECT_EQ(exitCode, 7u);
  EXPECT_EQ(test::readWholeFile(program + ".args"), "two words\n$HOME\nx y\n\n");

  // A signal's end reads as a shell reports it.
  runner.setCommandLine(writeScript(dir, "killed", "kill -KILL $$\n"));
  runner.start();
  ASSERT_TRUE(loop.pumpUntil([&] { return ends == 2; }));
  EXPECT_EQ(exitCode, 128u + 9u);
}

TEST_F(ProcessRunnerTest, OneProgramAtATime) {
  runner.setCommandLine(waiter(dir));
  runner.start();
  try {
    runner.start();
    FAIL() << "started twice";
  } catch (const OSError&) {
    FAIL() << "not an OS error";
  } catch (const NorvaneError& e) {
    EXPECT_STREQ(e.what(), "Cannot perform this operation when process is running");
  }
  // The first program is not disturbed and its end still arrives.
  EXPECT_TRUE(runner.waiting());
  dir.writeFile("release");
  ASSERT_TRUE(loop.pumpUntil([&] { return ends == 1; }));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(fs::exists(dir / "done"));

  const std::string again = recorder(dir, "again", 3);
  runner.setCommandLine(again + " x");
  runner.start();
  ASSERT_TRUE(loop.pumpUntil([&] { return ends == 2; }));
  EXPECT_EQ(exitCode, 3u);
}

TEST_F(ProcessRunnerTest, StartFailuresAreSystemErrors) {
  const std::string plain = dir.writeFile("not-executable", "#!/bin/sh\n");
  const std::vector<std::pair<std::string, int>> cases = {
      {"", ENOENT},
      {"   ", ENOENT},
      {dir / "missing arg", ENOENT},
      {"norvane-no-such-program-anywhere", ENOENT},
      {plain, EACCES},
      {dir.path(), EACCES},
      {"'open quote", EINVAL},
  };
  for (const auto& [line, code] : cases) {
    runner.setCommandLine(line);
    try {
      runner.start();
      ADD_FAILURE() << "started: " << line;
    } catch (const OSError& e) {
      EXPECT_EQ(e.code(), code) << line;
      EXPECT_EQ(std::string(e.what()),
                "System Error.  Code: " + std::to_string(code) + ".\r\n" + std::strerror(code));
    }
    EXPECT_FALSE(runner.waiting());
  }
  loop.pumpMessages();
  EXPECT_EQ(ends, 0);
}

TEST_F(ProcessRunnerTest, DestroyedWhileWaitingLeavesTheProgramRunning) {
  {
    ProcessRunner shortLived(std::make_shared<PosixProcessLauncher>(), loop);
    shortLived.onTerminate = [this](ProcessRunner&, std::uint32_t) { ++ends; };
    shortLived.setCommandLine(waiter(dir));
    shortLived.start();
  }
  dir.writeFile("release");
  EXPECT_TRUE(waitForFile(dir / "done"));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  loop.pumpMessages();
  EXPECT_EQ(ends, 0);
}

// The page's commands over fixture folders: "卸载" runs a fixture flatpak, found on PATH,
// that removes the app's exported entry; its end refreshes the list.
TEST_F(ProcessRunnerTest, UninstallerEndRefreshesTheList) {
  const std::string exports = dir.makeDir("home/.local/share/flatpak/exports/share/applications");
  const std::string entry = dir.writeFile("app/org.x.Tool.desktop",
                                          "[Desktop Entry]\nType=Application\nName=Tool\n"
                                          "X-Flatpak=org.x.Tool\n");
  fs::create_symlink(entry, exports + "/org.x.Tool.desktop");
  dir.writeFile("home/.local/share/applications/other.desktop",
                "[Desktop Entry]\nType=Application\nName=Other\n");
  const std::string bin = dir.makeDir("bin");
  writeScript(dir, "bin/flatpak",
              "printf '%s ' \"$@\" > \"$0.args\"\n"
              "rm \"" +
                  exports + "/org.x.Tool.desktop\"\nexit 5\n");
  PathPrefix path(bin);

  DesktopEnvironment env;
  env.home = dir / "home";
  env.dataDirs = dir / "none";
  env.systemFlatpakApplications = dir / "none";
  env.snapApplications = dir / "none";
  UninstallList list(
      std::make_shared<DesktopRegistrations>(std::make_shared<PosixDesktopFiles>(), env,
                                             std::make_shared<DpkgDatabase>(dir / "dpkg"), false));
  SoftwareUninstall page(list, runner);
  int refreshes = 0;
  list.onChanged = [&] { ++refreshes; };
  list.refresh();
  ASSERT_EQ(list.entries().size(), 2u);
  ASSERT_EQ(list.entries()[1].displayName, "Tool");

  // An entry without an owner has no command: starting fails as for a missing program.
  list.select(0);
  EXPECT_THROW(page.uninstallSelected(), OSError);
  EXPECT_EQ(refreshes, 1);

  list.select(1);
  page.uninstallSelected();
  ASSERT_TRUE(loop.pumpUntil([&] { return refreshes == 2; }));
  EXPECT_EQ(test::readWholeFile(bin + "/flatpak.args"),
            "uninstall --user --noninteractive org.x.Tool ");
  ASSERT_EQ(list.entries().size(), 1u);
  EXPECT_EQ(list.entries()[0].displayName, "Other");
  EXPECT_EQ(list.selectedIndex(), 0);
}

}  // namespace
}  // namespace norvane
