// Files that installed packages own are system files: a junk scan with the default settings
// leaves them out, one with "扫描系统属性文件" checked lists them. A fixture tree and a fixture
// dpkg database; the database is read once per scan at most, and only when it matters.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "core/cleaning/junk_criteria.h"
#include "core/search/find_file.h"
#include "platform/posix/dpkg_database.h"
#include "support/queue_event_loop.h"
#include "support/search/search_recorder.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using Lines = std::vector<std::string>;
using test::SearchRecorder;
using test::TempDir;

class NoShellFolders : public ShellFolders {
 public:
  std::string windowsFolder() override { return {}; }
  std::string systemFolder() override { return {}; }
  std::string tempFolder() override { return {}; }
  std::string specialFolder(int) override { return {}; }
  std::string programFilesDir() override { return {}; }
};

class CountingDatabase : public PackageDatabase {
 public:
  explicit CountingDatabase(std::string adminDir) : real_(std::move(adminDir), false) {}
  std::shared_ptr<const PackageFiles> load() override {
    ++loads;
    return real_.load();
  }
  int loads = 0;

 private:
  DpkgDatabase real_;
};

// Takes its time, as a desktop system's database does, and tells on which thread and when.
class SlowDatabase : public CountingDatabase {
 public:
  using CountingDatabase::CountingDatabase;
  std::shared_ptr<const PackageFiles> load() override {
    loadedOn = std::this_thread::get_id();
    loading = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    auto files = CountingDatabase::load();
    loading = false;
    return files;
  }
  std::atomic<bool> loading{false};
  std::thread::id loadedOn;
};

Lines sorted(Lines l) {
  std::sort(l.begin(), l.end());
  return l;
}

class PackageFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree = dir.makeDir("tree") + "/";
    dir.writeFile("tree/lib/libfreebl3.chk", "owned");
    dir.writeFile("tree/lib/stale.old", "mine");
    dir.writeFile("tree/lib/sub/cache.tmp", "owned");
    dir.writeFile("tree/lib/sub/notes.bak", "mine");
    ASSERT_EQ(symlink((dir / "tree/lib").c_str(), (dir / "link-to-lib").c_str()), 0);
    dir.writeFile("dpkg/status",
                  "Package: libnss3\nStatus: install ok installed\nArchitecture: amd64\n");
    // The database names files where they really lie.
    const std::string real = std::filesystem::canonical(tree).string() + "/";
    dir.writeFile("dpkg/info/libnss3.list", real + "lib\n" + real + "lib/libfreebl3.chk\n" + real +
                                                "lib/sub\n" + real + "lib/sub/cache.tmp\n");
    database = std::make_shared<CountingDatabase>(dir / "dpkg");
    find.SetPackageDatabase(database);
  }

  // Scans `location` as the window does with the settings.
  Lines scan(const std::string& location, const CleaningSettings& settings) {
    NoShellFolders shell;
    applyJunkSettings(settings, shell, find.Criteria());
    find.Criteria().Files().SetLocations({location});
    SearchRecorder rec(find);
    find.Execute();
    return sorted(rec.matches());
  }

  TempDir dir;
  std::string tree;
  std::shared_ptr<CountingDatabase> database;
  FindFile find;
};

TEST_F(PackageFilesTest, DefaultSettingsLeavePackageFilesOutAndScanSystemListsThem) {
  const CleaningSettings defaults = defaultCleaningSettings();
  EXPECT_EQ(scan(tree, defaults), sorted({tree + "lib/stale.old", tree + "lib/sub/notes.bak"}));
  EXPECT_EQ(database->loads, 1);

  CleaningSettings withSystem = defaults;
  withSystem.options.scanSystem = true;
  EXPECT_EQ(scan(tree, withSystem),
            sorted({tree + "lib/libfreebl3.chk", tree + "lib/stale.old", tree + "lib/sub/cache.tmp",
                    tree + "lib/sub/notes.bak"}));
  // Nobody asked which files are system files: the database was not read for that scan.
  EXPECT_EQ(database->loads, 1);

  // The next default scan reads it afresh (packages may have changed meanwhile), once.
  EXPECT_EQ(scan(tree, defaults).size(), 2u);
  EXPECT_EQ(database->loads, 2);
}

TEST_F(PackageFilesTest, AFolderNamedThroughALinkStillHoldsPackageFiles) {
  const std::string link = dir / "link-to-lib/";
  EXPECT_EQ(scan(link, defaultCleaningSettings()),
            sorted({link + "stale.old", link + "sub/notes.bak"}));
}

TEST_F(PackageFilesTest, DatabaseIsReadOnlyForAFileThatWouldOtherwiseBeListed) {
  CleaningSettings settings = defaultCleaningSettings();
  settings.types = {FileType{"none", "*.nothing;", true}};
  EXPECT_TRUE(scan(tree, settings).empty());
  // Hidden files left out anyway: their ownership doesn't matter.
  dir.writeFile("hidden/.cache.tmp", "x");
  settings = defaultCleaningSettings();
  settings.options.scanHidden = false;
  EXPECT_TRUE(scan(dir / "hidden", settings).empty());
  EXPECT_EQ(database->loads, 0);
}

TEST_F(PackageFilesTest, PackageFilesCarryTheSystemAttributeWhenOnlySystemFilesAreWanted) {
  find.Criteria().Files().SetLocations({tree});
  find.Criteria().AttributeEx().SetSystem(fsSet);
  Lines found;
  find.OnFileMatch = [&](FindFile*, const std::string& folder, const SearchRecord& rec) {
    EXPECT_TRUE(rec.Attr & kFileAttributeSystem) << rec.Name;
    EXPECT_TRUE(rec.FindData.dwFileAttributes & kFileAttributeSystem) << rec.Name;
    found.push_back(folder + rec.Name);
  };
  find.Execute();
  EXPECT_EQ(sorted(found), sorted({tree + "lib/libfreebl3.chk", tree + "lib/sub/cache.tmp"}));
  EXPECT_EQ(database->loads, 1);
}

// A scan on the interface's thread: the interface's messages are handled while the database
// loads on a thread of its own, and a stop clicked meanwhile ends the scan.
TEST_F(PackageFilesTest, TheInterfaceRunsWhileTheDatabaseLoads) {
  auto slow = std::make_shared<SlowDatabase>(dir / "dpkg");
  find.SetPackageDatabase(slow);
  test::QueueEventLoop loop;
  find.SetEventLoop(&loop);

  int handled = 0, handledWhileLoading = 0;
  loop.post([&] {
    ++handled;
    if (slow->loading) ++handledWhileLoading;
  });
  EXPECT_EQ(scan(tree, defaultCleaningSettings()),
            sorted({tree + "lib/stale.old", tree + "lib/sub/notes.bak"}));
  EXPECT_EQ(slow->loads, 1);
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(handledWhileLoading, 1);
  EXPECT_NE(slow->loadedOn, std::this_thread::get_id());

  loop.post([&] { find.Abort(); });
  NoShellFolders shell;
  applyJunkSettings(defaultCleaningSettings(), shell, find.Criteria());
  find.Criteria().Files().SetLocations({tree});
  SearchRecorder rec(find);
  find.Execute();
  EXPECT_EQ(slow->loads, 2);
  EXPECT_TRUE(rec.matches().empty());
  EXPECT_EQ(rec.log.back(), "finish");
  EXPECT_NE(std::find(rec.log.begin(), rec.log.end(), "abort"), rec.log.end());

  // Without an event loop to hand messages to, the walk loads the database where it is.
  find.SetEventLoop(nullptr);
  EXPECT_EQ(scan(tree, defaultCleaningSettings()).size(), 2u);
  EXPECT_EQ(slow->loadedOn, std::this_thread::get_id());
}

}  // namespace
}  // namespace norvane
