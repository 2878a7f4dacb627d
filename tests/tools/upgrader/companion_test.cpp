#include "tools/upgrader/companion.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <sstream>

#include "core/update/pending_update.h"
#include "platform/posix/posix_file_moves.h"
#include "platform/posix/posix_process_control.h"
#include "support/temp_dir.h"
#include "tools/upgrader/child_process.h"
#include "tools/upgrader/program_folder.h"

namespace norvane {
namespace {

using test::ProgramFolder;

TEST(CompanionArguments, PlainNameAndPositiveId) {
  const auto parsed = parseCompanionArguments({"norvane", "123"});
  EXPECT_TRUE(parsed.valid);
  EXPECT_EQ(parsed.exeName, "norvane");
  EXPECT_EQ(parsed.pid, 123);
  EXPECT_EQ(parseCompanionArguments({"nor vane", "9"}).exeName, "nor vane");
  for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                {"norvane"},
                                                                {"norvane", "1", "2"},
                                                                {"../norvane", "1"},
                                                                {"a/norvane", "1"},
                                                                {"..", "1"},
                                                                {"", "1"}}) {
    EXPECT_FALSE(parseCompanionArguments(args).valid);
    EXPECT_EQ(parseCompanionArguments(args).exeName, "");
  }
  for (const char* pid : {"0", "-4", "abc", "12x", ""}) {
    const auto parsed = parseCompanionArguments({"norvane", pid});
    EXPECT_FALSE(parsed.valid) << pid;
    EXPECT_EQ(parsed.exeName, "norvane") << pid;
  }
}

TEST(Companion, WrongArgumentsUndoTheDownloadsAndStartOnlyANamedProgram) {
  struct Case {
    std::vector<std::string> args;
    bool starts;
  };
  for (const Case& c : std::vector<Case>{{{}, false},
                                         {{"prog", "0"}, true},
                                         {{"prog", "abc"}, true},
                                         {{"../prog", "7"}, false},
                                         {{"prog", "7", "x"}, false}}) {
    SCOPED_TRACE(c.args.empty() ? std::string("no arguments") : c.args[0] + " " + c.args[1]);
    ProgramFolder folder(NORVANE_UPGRADER);
    const test::ChildExit exit = test::runChild(folder.companion(), c.args);
    EXPECT_TRUE(exit.exited);
    EXPECT_EQ(exit.code, 0);
    EXPECT_TRUE(folder.allOld()) << folder.describe();
    EXPECT_FALSE(test::pathExists(folder.path("a.txt.~up")));
    EXPECT_FALSE(test::pathExists(folder.path("new")));
    // The marker stays for the next start to see; the companion is gone.
    EXPECT_TRUE(test::pathExists(folder.path("~finished.file")));
    EXPECT_FALSE(test::pathExists(folder.companion()));
    if (c.starts) {
      EXPECT_TRUE(test::waitFor([&] { return folder.started(); }, 5));
    } else {
      ::usleep(300000);
      EXPECT_FALSE(folder.started());
    }
  }
}

TEST(Companion, EndsOnlyTheProgramThatHandedOver) {
  ProgramFolder folder(NORVANE_UPGRADER);
  test::copyExecutable("/bin/sleep", folder.path("sleeper"));
  const int program = test::startChild(folder.path("sleeper"), {"30"});
  const int stranger = test::startChild("/bin/sleep", {"30"});
  ASSERT_TRUE(test::waitFor(
      [&] { return PosixProcessControl().executableOf(program) == folder.path("sleeper"); }));
  // Another program under that process id is left alone, and the update goes on.
  EXPECT_TRUE(test::runChild(folder.companion(), {"sleeper", std::to_string(stranger)}).exited);
  EXPECT_EQ(::kill(stranger, 0), 0);
  EXPECT_TRUE(folder.allNew()) << folder.describe();
  // The program itself is ended.
  test::copyExecutable(NORVANE_UPGRADER, folder.companion());
  EXPECT_TRUE(test::runChild(folder.companion(), {"sleeper", std::to_string(program)}).exited);
  EXPECT_EQ(test::waitChild(program).signal, SIGKILL);
  ::kill(stranger, SIGKILL);
  test::waitChild(stranger);
}

TEST(Companion, PutsTheFilesInPlaceAndRestartsTheProgramInItsOwnSession) {
  ProgramFolder folder(NORVANE_UPGRADER);
  // This test's process id: not the program named, so nothing is ended.
  const test::ChildExit exit =
      test::runChild(folder.companion(), {"prog", std::to_string(::getpid())});
  EXPECT_TRUE(exit.exited);
  EXPECT_EQ(exit.code, 0);
  EXPECT_TRUE(folder.allNew()) << folder.describe();
  EXPECT_TRUE(folder.clean()) << folder.describe();
  EXPECT_FALSE(test::pathExists(folder.companion()));
  ASSERT_TRUE(test::waitFor([&] { return folder.started(); }, 5));
  ASSERT_TRUE(test::waitFor(
      [&] { return test::readWholeFile(folder.path("started")).find('\n') != std::string::npos; },
      5));
  // "pid (comm) state ppid pgrp session ...": the restarted program leads its own session.
  const std::string stat = test::readWholeFile(folder.path("started"));
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string state;
  long ppid = 0, group = 0, session = 0;
  fields >> state >> ppid >> group >> session;
  EXPECT_EQ(session, std::stol(stat));
}

TEST(CompanionCrash, AfterAKillAtAnyStepTheNextStartLeavesAllOldOrAllNew) {
  test::TempDir scratch;
  const std::string countFile = scratch / "count";
  {
    ProgramFolder folder(NORVANE_CRASHING_UPGRADER);
    const auto exit = test::runChild(folder.companion(), {"prog", std::to_string(::getpid())},
                                     {"NORVANE_TEST_STEP_COUNT=" + countFile});
    ASSERT_TRUE(exit.exited);
    ASSERT_TRUE(folder.allNew() && folder.clean()) << folder.describe();
  }
  const int steps = std::stoi(test::readWholeFile(countFile));
  ASSERT_GE(steps, 12);
  int endedOld = 0;
  int endedNew = 0;
  for (int step = 0; step < steps; ++step) {
    SCOPED_TRACE("killed before step " + std::to_string(step));
    ProgramFolder folder(NORVANE_CRASHING_UPGRADER);
    // No program to start again: it would outlive the folder.
    ::unlink(folder.path("prog").c_str());
    const auto exit = test::runChild(folder.companion(), {"prog", std::to_string(::getpid())},
                                     {"NORVANE_TEST_CRASH_AT=" + std::to_string(step)});
    ASSERT_EQ(exit.signal, SIGKILL);
    // The next start of the program, with no companion running.
    PosixFileMoves files;
    PosixProcessControl processes;
    finishPendingUpdate(folder.appDir(), files, processes);
    EXPECT_TRUE(folder.clean()) << folder.describe();
    if (folder.allOld()) {
      ++endedOld;
      EXPECT_FALSE(test::pathExists(folder.path("new"))) << folder.describe();
    } else {
      EXPECT_TRUE(folder.allNew()) << folder.describe();
      ++endedNew;
    }
  }
  EXPECT_GT(endedOld, 0);
  EXPECT_GT(endedNew, 0);
}

}  // namespace
}  // namespace norvane
