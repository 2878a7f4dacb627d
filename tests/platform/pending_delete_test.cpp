#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "platform/posix/pending_delete_launcher.h"
#include "platform/posix/pending_delete_list.h"
#include "platform/posix/pending_delete_runner.h"
#include "platform/posix/posix_restart_delete.h"
#include "platform/posix/trusted_copy.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::TempDir;

bool present(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

PendingDeleteSetup userSetup(const TempDir& dir) {
  PendingDeleteSetup setup;
  setup.launch = PendingDeleteSetup::Launch::Autostart;
  setup.listPath = dir / "state/norvane/pending-delete.list";
  setup.helperPath = NORVANE_PENDING_DELETE_HELPER;
  setup.autostartDir = dir / "config/autostart";
  return setup;
}

TEST(PendingDeleteListTest, EveryPathFitsOnOneLineAndReadsBack) {
  for (std::string path : {"/plain/a.tmp", "/new\nline", "/cr\rname", "/back\\slash", "/lit\\n",
                           "/end\\", "/中文 名.tmp"}) {
    std::string line = PendingDeleteList::escapeLine(path);
    EXPECT_EQ(std::string::npos, line.find_first_of("\r\n")) << path;
    EXPECT_EQ(path, PendingDeleteList::unescapeLine(line)) << path;
  }
  EXPECT_EQ("/plain/a.tmp", PendingDeleteList::escapeLine("/plain/a.tmp"));
  for (const char* bad : {"", "/dangling\\", "/bad\\x"})
    EXPECT_FALSE(PendingDeleteList::unescapeLine(bad).has_value()) << bad;
  // A cut-off last line could name a different file: it is never taken.
  EXPECT_EQ((std::vector<std::string>{"/a", "/b"}), PendingDeleteList::parse("/a\n\n/b\n/a.tm"));
}

TEST(PendingDeleteListTest, AppendIsDurableOrderedAndDropsATornTail) {
  TempDir dir;
  PendingDeleteList list(dir / "deep/er/list");
  EXPECT_TRUE(list.entries().empty());
  ASSERT_EQ(0, list.append("/x/one"));
  ASSERT_EQ(0, list.append("/x/two\nlines"));
  EXPECT_EQ((std::vector<std::string>{"/x/one", "/x/two\nlines"}), list.entries());

  // A writer that died mid-line left "/x/thr"; the next append must not extend it.
  { std::ofstream(list.path(), std::ios::app) << "/x/thr"; }
  ASSERT_EQ(0, list.append("/x/four"));
  EXPECT_EQ("/x/one\n/x/two\\nlines\n/x/four\n", test::readWholeFile(list.path()));
  EXPECT_EQ(EINVAL, list.append(""));
}

TEST(PendingDeleteListTest, ConcurrentWritersLoseNoLine) {
  TempDir dir;
  const std::string path = dir / "list";
  auto writer = [&](char tag) {
    PendingDeleteList list(path);  // own descriptors, as another process would have
    for (int i = 0; i < 150; ++i) list.append(std::string("/w/") + tag + std::to_string(i));
  };
  std::thread a(writer, 'a'), b(writer, 'b');
  a.join();
  b.join();
  auto entries = PendingDeleteList(path).entries();
  EXPECT_EQ(300u, entries.size());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries.end(), std::adjacent_find(entries.begin(), entries.end()));
}

TEST(PendingDeleteRunnerTest, DeletesListedFilesWithoutFollowingLinksAndClearsTheList) {
  TempDir dir;
  const std::string a = dir.writeFile("junk/a.tmp", "a");
  const std::string readOnly = dir.writeFile("junk/ro.tmp", "r");
  chmod(readOnly.c_str(), 0444);
  const std::string sentinel = dir.writeFile("keep/sentinel", "keep");
  const std::string link = dir / "junk/link.tmp";
  symlink(sentinel.c_str(), link.c_str());
  const std::string folder = dir.makeDir("junk/folder.tmp");
  dir.writeFile("junk/folder.tmp/inside", "i");
  // A folder swapped for a link after the registration: the path now leads elsewhere.
  const std::string linkedFolder = dir / "swapped";
  symlink((dir / "keep").c_str(), linkedFolder.c_str());

  PendingDeleteList list(dir / "list");
  for (const std::string& p : {a, readOnly, link, folder, dir / "junk/missing.tmp",
                               linkedFolder + "/sentinel", std::string("relative/path")})
    ASSERT_EQ(0, list.append(p));

  std::vector<PendingDeleteReport> reports;
  PendingDeleteSummary summary =
      carryOutPendingDeletes(list, [&](const PendingDeleteReport& r) { reports.push_back(r); });
  ASSERT_EQ(7u, reports.size());
  EXPECT_EQ(PendingDeleteResult::Deleted, reports[0].result);
  EXPECT_EQ(PendingDeleteResult::Deleted, reports[1].result);
  EXPECT_EQ(PendingDeleteResult::Deleted, reports[2].result);
  EXPECT_EQ(PendingDeleteResult::SkippedFolder, reports[3].result);
  EXPECT_EQ(PendingDeleteResult::Missing, reports[4].result);
  EXPECT_EQ(PendingDeleteResult::Failed, reports[5].result);
  EXPECT_EQ(PendingDeleteResult::Failed, reports[6].result);
  EXPECT_EQ(3, summary.deleted);
  EXPECT_EQ(2, summary.failed);
  EXPECT_EQ(0, summary.listError);

  EXPECT_FALSE(present(a));
  EXPECT_FALSE(present(readOnly));
  EXPECT_FALSE(present(link));
  EXPECT_TRUE(present(sentinel));
  EXPECT_TRUE(present(dir / "junk/folder.tmp/inside"));
  EXPECT_FALSE(present(list.path()));
  EXPECT_FALSE(present(list.workPath()));
  EXPECT_TRUE(list.entries().empty());
}

TEST(PendingDeleteRunnerTest, PathRegisteredWhileRunningStaysForTheNextRun) {
  TempDir dir;
  const std::string first = dir.writeFile("first.tmp");
  const std::string later = dir.writeFile("later.tmp");
  PendingDeleteList list(dir / "list");
  ASSERT_EQ(0, list.append(first));
  PendingDeleteSummary summary =
      carryOutPendingDeletes(list, {}, [&] { PendingDeleteList(list.path()).append(later); });
  EXPECT_EQ(1, summary.deleted);
  EXPECT_FALSE(present(first));
  EXPECT_TRUE(present(later));
  EXPECT_EQ(std::vector<std::string>{later}, list.entries());

  carryOutPendingDeletes(list);
  EXPECT_FALSE(present(later));
  EXPECT_TRUE(list.entries().empty());
}

TEST(PendingDeleteRunnerTest, WorkListOfAnInterruptedRunIsFinishedFirst) {
  TempDir dir;
  const std::string old = dir.writeFile("old.tmp");
  const std::string fresh = dir.writeFile("fresh.tmp");
  PendingDeleteList list(dir / "list");
  dir.writeFile("list.work", old + "\n");
  ASSERT_EQ(0, list.append(fresh));
  PendingDeleteSummary summary = carryOutPendingDeletes(list);
  EXPECT_EQ(2, summary.deleted);
  EXPECT_FALSE(present(old));
  EXPECT_FALSE(present(fresh));
  EXPECT_FALSE(present(list.workPath()));
}

TEST(PendingDeleteRunnerTest, OnlyOneRunAtATimeCarriesTheListOut) {
  TempDir dir;
  const std::string file = dir.writeFile("a.tmp");
  PendingDeleteList list(dir / "list");
  ASSERT_EQ(0, list.append(file));
  {
    PendingDeleteList::RunLock other(list);
    ASSERT_TRUE(other.held());
    PendingDeleteSummary summary = carryOutPendingDeletes(list);
    EXPECT_TRUE(summary.busy);
    EXPECT_TRUE(present(file));
    EXPECT_EQ(std::vector<std::string>{file}, list.entries());
  }
  EXPECT_FALSE(carryOutPendingDeletes(list).busy);
  EXPECT_FALSE(present(file));
  // No list at all: nothing to do, nothing created.
  PendingDeleteList none(dir / "absent/list");
  EXPECT_EQ(0, carryOutPendingDeletes(none).listError);
  EXPECT_FALSE(present(dir / "absent"));
}

TEST(PendingDeleteRunnerTest, HelperProgramCarriesOutAList) {
  TempDir dir;
  const std::string junk = dir.writeFile("with space/junk.tmp", "j");
  const std::string sentinel = dir.writeFile("sentinel", "s");
  const std::string link = dir / "with space/link.tmp";
  ASSERT_EQ(0, symlink(sentinel.c_str(), link.c_str()));
  const std::string listPath = dir / "pending.list";
  PendingDeleteList list(listPath);
  ASSERT_EQ(0, list.append(junk));
  ASSERT_EQ(0, list.append(link));

  const test::ProgramRun run =
      test::runProgram(NORVANE_PENDING_DELETE_HELPER, {"--list", listPath}, dir.path());
  EXPECT_EQ(0, run.code) << run.err;
  EXPECT_FALSE(present(junk));
  EXPECT_FALSE(present(link));
  EXPECT_TRUE(present(sentinel));
  EXPECT_FALSE(present(listPath));
}

TEST(RestartDeleteTest, RegistersTheResolvedPathAndInstallsTheAutostartEntry) {
  TempDir dir;
  const std::string real = dir.makeDir("real");
  const std::string viaLink = dir / "via";
  ASSERT_EQ(0, symlink(real.c_str(), viaLink.c_str()));
  PosixRestartDelete restart(userSetup(dir));

  EXPECT_TRUE(restart.DeleteOnRestart(viaLink + "/locked.tmp"));
  EXPECT_TRUE(restart.DeleteOnRestart(viaLink + "/locked.tmp"));
  EXPECT_FALSE(restart.DeleteOnRestart(dir / "no-such-folder/x.tmp"));
  EXPECT_FALSE(restart.DeleteOnRestart(""));
  EXPECT_FALSE(restart.DeleteOnRestart(real + "/.."));

  PendingDeleteList list(restart.setup().listPath);
  // The folder is resolved once now, so the helper needn't follow the link later.
  char resolved[PATH_MAX];
  ASSERT_NE(nullptr, realpath(real.c_str(), resolved));
  const std::string expected = std::string(resolved) + "/locked.tmp";
  EXPECT_EQ((std::vector<std::string>{expected, expected}), list.entries());

  const std::string entry =
      test::readWholeFile(dir / "config/autostart/norvane-pending-delete.desktop");
  EXPECT_NE(std::string::npos, entry.find("[Desktop Entry]\nType=Application\n"));
  EXPECT_NE(std::string::npos, entry.find("\nExec=" + desktopExecLine(restart.setup()) + "\n"));
  EXPECT_NE(std::string::npos, entry.find(restart.setup().listPath));
}

// Root's setup below a temporary root: the helper is copied from beside the program to where
// only its owner can change it, and the unit runs that copy.
PendingDeleteSetup rootSetup(const TempDir& dir) {
  PendingDeleteSetup setup = userSetup(dir);
  setup.launch = PendingDeleteSetup::Launch::SystemdUnit;
  setup.listPath = dir / "var/lib/norvane/pending-delete.list";
  setup.systemdUnitDir = dir / "etc/systemd/system";
  setup.helperSource = NORVANE_PENDING_DELETE_HELPER;
  setup.helperPath = dir / "usr/local/libexec/norvane/norvane-pending-delete";
  setup.helperOwner = geteuid();
  return setup;
}

mode_t modeOf(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

ino_t inodeOf(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

TEST(RestartDeleteTest, RootInstallsAnEnabledSystemdUnitRunningATrustedCopy) {
  TempDir dir;
  const PendingDeleteSetup setup = rootSetup(dir);
  PosixRestartDelete restart(setup);
  const std::string file = dir.writeFile("x.tmp");
  ASSERT_TRUE(restart.DeleteOnRestart(file));

  EXPECT_EQ(test::readWholeFile(setup.helperSource), test::readWholeFile(setup.helperPath));
  EXPECT_EQ(0755u, modeOf(setup.helperPath));
  EXPECT_EQ(0755u, modeOf(dir / "usr/local/libexec/norvane"));
  EXPECT_EQ(0755u, modeOf(dir / "usr"));

  const std::string unitPath = setup.systemdUnitDir + "/norvane-pending-delete.service";
  const std::string unit = test::readWholeFile(unitPath);
  EXPECT_NE(std::string::npos, unit.find("Type=oneshot\n"));
  EXPECT_NE(std::string::npos, unit.find("WantedBy=multi-user.target\n"));
  EXPECT_NE(std::string::npos, unit.find("ExecStart=\"" + setup.helperPath + "\" --list"));
  EXPECT_NE(std::string::npos, unit.find("ExecStart=" + systemdExecLine(setup) + "\n"));
  char target[PATH_MAX] = {};
  const std::string link =
      setup.systemdUnitDir + "/multi-user.target.wants/norvane-pending-delete.service";
  ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
  EXPECT_EQ(unitPath, std::string(target));
  EXPECT_FALSE(present(setup.autostartDir));
}

TEST(RestartDeleteTest, LauncherCommandLinesQuoteOddPaths) {
  PendingDeleteSetup setup;
  setup.helperPath = "/opt/My $App/100%/norvane-pending-delete";
  setup.listPath = "/s/q\"uote\\back`tick";
  setup.systemdUnitDir = "/etc/systemd/system";
  setup.autostartDir = "/home/u/.config/autostart";
  EXPECT_EQ(
      "\"/opt/My $$App/100%%/norvane-pending-delete\" --list \"/s/q\\\"uote\\\\back`tick\" "
      "--systemd-unit-dir \"/etc/systemd/system\"",
      systemdExecLine(setup));
  EXPECT_EQ(
      "\"/opt/My \\\\$App/100%%/norvane-pending-delete\" --list "
      "\"/s/q\\\\\"uote\\\\\\\\back\\\\`tick\" --autostart-dir \"/home/u/.config/autostart\"",
      desktopExecLine(setup));
  setup.listPath = "/new\nline";
  EXPECT_EQ("", systemdExecLine(setup));
  EXPECT_EQ("", desktopExecLine(setup));
  TempDir dir;
  setup.launch = PendingDeleteSetup::Launch::Autostart;
  setup.autostartDir = dir / "autostart";
  setup.helperPath = NORVANE_PENDING_DELETE_HELPER;
  EXPECT_EQ(EINVAL, installPendingDeleteLauncher(setup));
}

TEST(RestartDeleteTest, NothingIsRegisteredWhenTheHelperIsMissing) {
  TempDir dir;
  PendingDeleteSetup setup = userSetup(dir);
  setup.helperPath = dir / "missing/norvane-pending-delete";
  PosixRestartDelete restart(setup);
  EXPECT_FALSE(restart.DeleteOnRestart(dir.writeFile("x.tmp")));
  EXPECT_TRUE(PendingDeleteList(setup.listPath).entries().empty());
  EXPECT_FALSE(present(setup.autostartDir + "/norvane-pending-delete.desktop"));
}

TEST(TrustedCopyTest, CopyIsReplacedAtomicallyOnlyWhenItDiffers) {
  TempDir dir;
  const std::string source = dir.writeFile("build/helper", "#!/bin/sh\necho one\n");
  const std::string target = dir / "usr/local/libexec/norvane/helper";
  ASSERT_EQ(0, installTrustedCopy(source, target, geteuid()));
  EXPECT_EQ("#!/bin/sh\necho one\n", test::readWholeFile(target));
  const ino_t first = inodeOf(target);
  ASSERT_EQ(0, installTrustedCopy(source, target, geteuid()));
  EXPECT_EQ(first, inodeOf(target));  // the same bytes: left alone

  dir.writeFile("build/helper", "#!/bin/sh\necho two\n");
  ASSERT_EQ(0, installTrustedCopy(source, target, geteuid()));
  EXPECT_EQ("#!/bin/sh\necho two\n", test::readWholeFile(target));
  EXPECT_NE(first, inodeOf(target));  // a new file renamed over the old one
  EXPECT_EQ(0755u, modeOf(target));
  // A copy someone made writable again is put right.
  ASSERT_EQ(0, chmod(target.c_str(), 0777));
  ASSERT_EQ(0, installTrustedCopy(source, target, geteuid()));
  EXPECT_EQ(0755u, modeOf(target));
  EXPECT_FALSE(present(dir / "usr/local/libexec/norvane/.helper.new"));
  EXPECT_NE(0, installTrustedCopy(dir / "build/missing", target, geteuid()));
}

TEST(TrustedCopyTest, FoldersOthersCanChangeAreRefused) {
  TempDir dir;
  const std::string source = dir.writeFile("helper", "program");
  // A folder on the way that anyone may write: they could swap what lies below.
  dir.makeDir("open");
  ASSERT_EQ(0, chmod((dir / "open").c_str(), 0777));
  EXPECT_EQ(EPERM, installTrustedCopy(source, dir / "open/libexec/helper", geteuid()));
  EXPECT_FALSE(present(dir / "open/libexec"));
  // Sticky, as /tmp is: nobody can replace another's entry there.
  ASSERT_EQ(0, chmod((dir / "open").c_str(), 01777));
  EXPECT_EQ(0, installTrustedCopy(source, dir / "open/libexec/helper", geteuid()));
  // ... but the helper's own folder is never open to others.
  EXPECT_EQ(EPERM, installTrustedCopy(source, dir / "open/helper", geteuid()));
  // A link on the way, even to a good folder.
  dir.makeDir("good");
  ASSERT_EQ(0, symlink((dir / "good").c_str(), (dir / "link").c_str()));
  EXPECT_EQ(EPERM, installTrustedCopy(source, dir / "link/helper", geteuid()));
  EXPECT_FALSE(present(dir / "good/helper"));
  EXPECT_EQ(EINVAL, installTrustedCopy(source, "relative/helper", geteuid()));

  if (geteuid() != 0) GTEST_SKIP() << "changing owners needs root";
  // A folder of another user is refused; a copy another user owns is replaced.
  dir.makeDir("theirs");
  ASSERT_EQ(0, chown((dir / "theirs").c_str(), 65534, 65534));
  EXPECT_EQ(EPERM, installTrustedCopy(source, dir / "theirs/helper", 0));
  const std::string planted = dir.writeFile("mine/helper", "program");
  ASSERT_EQ(0, chmod(planted.c_str(), 0755));
  ASSERT_EQ(0, chown(planted.c_str(), 65534, 65534));
  ASSERT_EQ(0, installTrustedCopy(source, planted, 0));
  struct stat st;
  ASSERT_EQ(0, lstat(planted.c_str(), &st));
  EXPECT_EQ(0u, st.st_uid);
}

TEST(RestartDeleteTest, AnUntrustedHelperFolderRefusesTheRegistration) {
  TempDir dir;
  PendingDeleteSetup setup = rootSetup(dir);
  dir.makeDir("usr/local");
  ASSERT_EQ(0, chmod((dir / "usr/local").c_str(), 0777));
  PosixRestartDelete restart(setup);
  EXPECT_FALSE(restart.DeleteOnRestart(dir.writeFile("x.tmp")));
  EXPECT_TRUE(PendingDeleteList(setup.listPath).entries().empty());
  EXPECT_FALSE(present(setup.systemdUnitDir + "/norvane-pending-delete.service"));
  EXPECT_FALSE(present(setup.helperPath));
}

// The helper, run as its launcher runs it, removes the launcher once nothing is listed; the
// next registration puts it back.
TEST(RestartDeleteTest, HelperRemovesItsLauncherWhenDoneAndARegistrationRestoresIt) {
  TempDir dir;
  const PendingDeleteSetup root = rootSetup(dir);
  const std::string unit = root.systemdUnitDir + "/norvane-pending-delete.service";
  const std::string wants =
      root.systemdUnitDir + "/multi-user.target.wants/norvane-pending-delete.service";
  const PendingDeleteSetup user = userSetup(dir);
  const std::string entry = user.autostartDir + "/norvane-pending-delete.desktop";
  struct Case {
    PendingDeleteSetup setup;
    std::vector<std::string> launcherFiles;
    std::vector<std::string> args;
  };
  for (const Case& c : {Case{root, {unit, wants}, {"--systemd-unit-dir", root.systemdUnitDir}},
                        Case{user, {entry}, {"--autostart-dir", user.autostartDir}}}) {
    PosixRestartDelete restart(c.setup);
    const std::string file = dir.writeFile("junk.tmp", "j");
    ASSERT_TRUE(restart.DeleteOnRestart(file));
    for (const std::string& f : c.launcherFiles) ASSERT_TRUE(present(f)) << f;
    std::vector<std::string> args = {"--list", c.setup.listPath};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const test::ProgramRun run = test::runProgram(c.setup.helperPath, args, dir.path());
    EXPECT_EQ(0, run.code) << run.err;
    EXPECT_FALSE(present(file));
    for (const std::string& f : c.launcherFiles) EXPECT_FALSE(present(f)) << f;

    ASSERT_TRUE(restart.DeleteOnRestart(dir.writeFile("junk.tmp", "again")));
    for (const std::string& f : c.launcherFiles) EXPECT_TRUE(present(f)) << f;
  }
}

TEST(PendingDeleteListTest, NothingListedIsTheOnlyTimeTheActionRuns) {
  TempDir dir;
  PendingDeleteList list(dir / "state/list");
  int runs = 0;
  auto action = [&runs] { return ++runs, 0; };
  EXPECT_EQ(0, list.whenEmpty(action));
  EXPECT_EQ(1, runs);
  ASSERT_EQ(0, list.append("/x/one"));
  EXPECT_EQ(0, list.whenEmpty(action));
  EXPECT_EQ(1, runs);
  int taken = 0;
  ASSERT_TRUE(list.takeForWork(taken));  // a run carrying it out, not finished
  EXPECT_EQ(0, list.whenEmpty(action));
  EXPECT_EQ(1, runs);
  ASSERT_EQ(0, list.finishWork());
  EXPECT_EQ(0, list.whenEmpty(action));
  EXPECT_EQ(2, runs);
  // A failing first step writes nothing.
  EXPECT_EQ(EPERM, list.append("/x/two", [] { return EPERM; }));
  EXPECT_TRUE(list.entries().empty());
}

}  // namespace
}  // namespace norvane

namespace norvane {
namespace {

TEST(RestartDeleteTest, DefaultPlacesFollowTheUserAndXdg) {
  const std::string oldState = getenv("XDG_STATE_HOME") ? getenv("XDG_STATE_HOME") : "";
  const std::string oldConfig = getenv("XDG_CONFIG_HOME") ? getenv("XDG_CONFIG_HOME") : "";
  setenv("XDG_STATE_HOME", "/x/state", 1);
  setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
  PendingDeleteSetup setup = defaultPendingDeleteSetup();
  if (oldState.empty())
    unsetenv("XDG_STATE_HOME");
  else
    setenv("XDG_STATE_HOME", oldState.c_str(), 1);
  if (oldConfig.empty())
    unsetenv("XDG_CONFIG_HOME");
  else
    setenv("XDG_CONFIG_HOME", oldConfig.c_str(), 1);

  // The helper is looked for beside the running program; tests run beside the built helper.
  // Root's unit runs a copy that only root can change.
  if (geteuid() == 0) {
    EXPECT_EQ(std::string(NORVANE_PENDING_DELETE_HELPER), setup.helperSource);
    EXPECT_EQ("/usr/local/libexec/norvane/norvane-pending-delete", setup.helperPath);
    EXPECT_EQ(0u, setup.helperOwner);
    EXPECT_EQ(PendingDeleteSetup::Launch::SystemdUnit, setup.launch);
    EXPECT_EQ("/var/lib/norvane/pending-delete.list", setup.listPath);
    EXPECT_EQ("/etc/systemd/system", setup.systemdUnitDir);
  } else {
    EXPECT_EQ(std::string(NORVANE_PENDING_DELETE_HELPER), setup.helperPath);
    EXPECT_TRUE(setup.helperSource.empty());
    EXPECT_EQ(PendingDeleteSetup::Launch::Autostart, setup.launch);
    EXPECT_EQ("/x/state/norvane/pending-delete.list", setup.listPath);
    EXPECT_NE(std::string::npos, setup.autostartDir.find("/.config/autostart"));
  }
}

}  // namespace
}  // namespace norvane
