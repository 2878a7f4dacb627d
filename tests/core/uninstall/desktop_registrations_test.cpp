#include "core/uninstall/desktop_registrations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/uninstall/application_folders.h"
#include "platform/posix/dpkg_database.h"
#include "platform/posix/posix_desktop_files.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace norvane {
namespace {

namespace fs = std::filesystem;
using Kind = ApplicationFolder::Kind;
constexpr auto kUser = RegistrationRoot::CurrentUser;
constexpr auto kMachine = RegistrationRoot::LocalMachine;

std::string app(const std::string& name, const std::string& extra = "") {
  return "[Desktop Entry]\nType=Application\nName=" + name + "\n" + extra;
}

class CountingDatabase : public PackageDatabase {
 public:
  explicit CountingDatabase(std::string adminDir) : db(std::move(adminDir), false) {}
  std::shared_ptr<const PackageFiles> load() override {
    ++loads;
    return db.load();
  }
  DpkgDatabase db;
  int loads = 0;
};

// A home with its own entries and user Flatpak exports, system folders from $XDG_DATA_DIRS
// (one of them inside the home, one reached twice), the machine's Flatpak and Snap folders,
// and a dpkg database that owns one entry.
class DesktopRegistrationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string userApps = ".local/share/applications/";
    t.writeFile("home/" + userApps + "b-user.desktop", app("User B"));
    t.writeFile("home/" + userApps + "shared.desktop", app("User Copy"));
    t.writeFile("home/" + userApps + "kde/k.desktop", app("K"));
    t.writeFile("home/" + userApps + "notes.txt", "not an entry");
    const std::string flatpak = t.makeDir("home/.local/share/flatpak/exports/share/applications");
    const std::string target =
        t.writeFile("home/.local/share/flatpak/app/org.x.Tool/export/org.x.Tool.desktop",
                    app("Tool", "X-Flatpak=org.x.Tool\n"));
    fs::create_symlink(target, flatpak + "/org.x.Tool.desktop");
    fs::create_symlink(t / "nowhere.desktop", flatpak + "/org.gone.App.desktop");

    t.writeFile("usr/share/applications/a-sys.desktop", app("System A", "Exec=a\n"));
    t.writeFile("usr/share/applications/shared.desktop", app("System Copy"));
    t.writeFile("usr/share/applications/c-noowner.desktop", app("No Owner"));
    t.writeFile("usr/share/applications/evil.desktop",
                app("Evil", "UninstallString=rm -rf /\ndisplayname=fake\n"));
    t.writeFile("home/extra/share/applications/e-extra.desktop", app("Extra"));
    fs::create_symlink(t / "usr", t / "linked");
    t.writeFile("var/lib/flatpak/exports/share/applications/org.sys.App.desktop", app("Sys App"));
    t.writeFile("var/lib/snapd/desktop/applications/firefox+beta_firefox.desktop", app("Firefox"));
    t.writeFile("var/lib/snapd/desktop/applications/other_app.desktop",
                app("Other", "X-SnapInstanceName=other\n"));

    t.writeFile("dpkg/status", "Package: asys\nStatus: install ok installed\nArchitecture: all\n");
    t.writeFile("dpkg/info/asys.list", t / "usr/share/applications/a-sys.desktop\n");

    env.home = t / "home";
    env.dataDirs = t / "usr/local/share:" + t / "usr/share:" + t / "home/extra/share:" +
                   "relative/share:" + t / "linked/share/";
    env.systemFlatpakApplications = t / "var/lib/flatpak/exports/share/applications";
    env.snapApplications = t / "var/lib/snapd/desktop/applications";
    database = std::make_shared<CountingDatabase>(t / "dpkg");
  }

  DesktopRegistrations store(bool superUser = false) {
    return DesktopRegistrations(files, env, database, superUser);
  }

  static std::vector<std::string> names(const std::vector<Registration>& rs) {
    std::vector<std::string> out;
    for (const auto& r : rs) out.push_back(r.name);
    return out;
  }

  static const Registration& find(const std::vector<Registration>& rs, const std::string& name) {
    for (const auto& r : rs)
      if (r.name == name) return r;
    throw std::runtime_error("no registration " + name);
  }

  static std::string value(const Registration& r, const std::string& name) {
    for (const auto& v : r.values)
      if (v.name == name) return v.text;
    return "(missing)";
  }

  test::TempDir t;
  DesktopEnvironment env;
  std::shared_ptr<PosixDesktopFiles> files = std::make_shared<PosixDesktopFiles>();
  std::shared_ptr<CountingDatabase> database;
};

TEST_F(DesktopRegistrationsTest, FoldersInSearchOrderEachOnce) {
  const auto folders = ApplicationFolders::resolve(env, *files);
  std::vector<std::tuple<std::string, RegistrationRoot, Kind>> got;
  for (const auto& f : folders) got.emplace_back(f.path, f.root, f.kind);
  const std::vector<std::tuple<std::string, RegistrationRoot, Kind>> expected = {
      {t / "home/.local/share/applications", kUser, Kind::Plain},
      {t / "home/.local/share/flatpak/exports/share/applications", kUser, Kind::Flatpak},
      {t / "usr/share/applications", kMachine, Kind::Plain},
      {t / "home/extra/share/applications", kUser, Kind::Plain},
      {t / "var/lib/flatpak/exports/share/applications", kMachine, Kind::Flatpak},
      {t / "var/lib/snapd/desktop/applications", kMachine, Kind::Snap},
  };
  EXPECT_EQ(got, expected);

  // $XDG_DATA_DIRS may place the user's Flatpak exports itself.
  env.dataDirs = t / "usr/share:" + t / "home/.local/share/flatpak/exports/share";
  const auto placed = ApplicationFolders::resolve(env, *files);
  ASSERT_GE(placed.size(), 3u);
  EXPECT_EQ(placed[1].path, t / "usr/share/applications");
  EXPECT_EQ(placed[2].kind, Kind::Flatpak);
  EXPECT_EQ(placed[2].root, kUser);
}

TEST_F(DesktopRegistrationsTest, EachRootInIdOrderFirstFolderWins) {
  auto s = store();
  const auto all = s.list({kUser, kMachine});
  EXPECT_EQ(names(all),
            (std::vector<std::string>{"b-user.desktop", "e-extra.desktop", "kde-k.desktop",
                                      "org.gone.App.desktop", "org.x.Tool.desktop",
                                      "shared.desktop", "a-sys.desktop", "c-noowner.desktop",
                                      "evil.desktop", "firefox+beta_firefox.desktop",
                                      "org.sys.App.desktop", "other_app.desktop"}));
  EXPECT_EQ(find(all, "shared.desktop").keyPath,
            t / "home/.local/share/applications/shared.desktop");
  EXPECT_EQ(find(all, "kde-k.desktop").keyPath, t / "home/.local/share/applications/kde/k.desktop");
  EXPECT_EQ(find(all, "org.x.Tool.desktop").keyPath,
            t / "home/.local/share/flatpak/exports/share/applications/org.x.Tool.desktop");
  EXPECT_EQ(find(all, "e-extra.desktop").root, kUser);
  EXPECT_EQ(database->loads, 1);

  // The machine's own copy stays hidden behind the user's when only its root is read.
  const auto machine = s.list({kMachine});
  EXPECT_EQ(machine.size(), 6u);
  for (const auto& r : machine) EXPECT_EQ(r.root, kMachine);
  EXPECT_THROW(find(machine, "shared.desktop"), std::runtime_error);
  // dpkg's database is read once per listing, however many entries ask it.
  EXPECT_EQ(database->loads, 2);
  // Flatpak and Snap entries don't need it.
  env.home = t.makeDir("empty-home");
  env.dataDirs = t / "none";
  EXPECT_EQ(store().list({kUser, kMachine}).size(), 3u);
  EXPECT_EQ(database->loads, 2);
}

TEST_F(DesktopRegistrationsTest, ValuesAndUninstallCommands) {
  const auto all = store().list({kUser, kMachine});
  const auto& a = find(all, "a-sys.desktop");
  std::vector<std::pair<std::string, std::string>> values;
  for (const auto& v : a.values) values.emplace_back(v.name, v.text);
  EXPECT_EQ(values, (std::vector<std::pair<std::string, std::string>>{
                        {"Type", "Application"},
                        {"Name", "System A"},
                        {"Exec", "a"},
                        {"DisplayName", "System A"},
                        {"UninstallString", "pkexec dpkg --remove asys"}}));
  EXPECT_EQ(value(find(store(true).list({kMachine}), "a-sys.desktop"), "UninstallString"),
            "dpkg --remove asys");

  EXPECT_EQ(value(find(all, "org.x.Tool.desktop"), "DisplayName"), "Tool");
  EXPECT_EQ(value(find(all, "org.x.Tool.desktop"), "UninstallString"),
            "flatpak uninstall --user --noninteractive org.x.Tool");
  EXPECT_EQ(value(find(all, "org.sys.App.desktop"), "UninstallString"),
            "flatpak uninstall --system --noninteractive org.sys.App");
  EXPECT_EQ(value(find(all, "firefox+beta_firefox.desktop"), "UninstallString"),
            "snap remove firefox_beta");
  EXPECT_EQ(value(find(all, "other_app.desktop"), "UninstallString"), "snap remove other");
  EXPECT_EQ(value(find(all, "c-noowner.desktop"), "UninstallString"), "");

  // A file can't put a command of its own in the list, nor its own display name.
  const auto& evil = find(all, "evil.desktop");
  EXPECT_EQ(evil.values.size(), 4u);
  EXPECT_EQ(value(evil, "UninstallString"), "");
  EXPECT_EQ(value(evil, "displayname"), "(missing)");

  // A link to nothing is a registration without values.
  EXPECT_TRUE(find(all, "org.gone.App.desktop").values.empty());
}

TEST_F(DesktopRegistrationsTest, DeletionRemovesOnlyTheListedFile) {
  auto s = store();
  const std::string flatpak = t / "home/.local/share/flatpak/exports/share/applications/";
  const std::string target =
      t / "home/.local/share/flatpak/app/org.x.Tool/export/org.x.Tool.desktop";

  // Not in the root, not an entry, not below a folder, out through ".." or a linked folder.
  fs::create_symlink(t / "usr/share/applications", t / "home/.local/share/applications/linked");
  t.writeFile("home/outside.desktop", app("Outside"));
  for (const auto& [root, path] : std::vector<std::pair<RegistrationRoot, std::string>>{
           {kMachine, flatpak + "org.x.Tool.desktop"},
           {kUser, t / "home/.local/share/applications/notes.txt"},
           {kUser, t / "home/.local/share/applications/kde"},
           {kUser, t / "home/.local/share/applications/../../outside.desktop"},
           {kUser, t / "home/outside.desktop"},
           {kUser, t / "home/.local/share/applications/linked/a-sys.desktop"},
           {kUser, ""}}) {
    EXPECT_FALSE(s.remove(root, path)) << path;
  }
  EXPECT_TRUE(fs::exists(t / "home/outside.desktop"));
  EXPECT_TRUE(fs::exists(t / "usr/share/applications/a-sys.desktop"));
  EXPECT_TRUE(fs::exists(t / "home/.local/share/applications/notes.txt"));

  // A Flatpak export goes as a link; the app's own file stays.
  EXPECT_TRUE(s.remove(kUser, flatpak + "org.x.Tool.desktop"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(flatpak + "org.x.Tool.desktop")));
  EXPECT_TRUE(fs::exists(target));
  EXPECT_TRUE(s.remove(kUser, flatpak + "org.gone.App.desktop"));
  EXPECT_TRUE(s.remove(kUser, t / "home/.local/share/applications/kde/k.desktop"));
  EXPECT_TRUE(fs::exists(t / "home/.local/share/applications/kde"));
  EXPECT_FALSE(s.remove(kUser, t / "home/.local/share/applications/kde/k.desktop"));

  // Deleting the user's copy uncovers the machine's.
  EXPECT_TRUE(s.remove(kUser, t / "home/.local/share/applications/shared.desktop"));
  EXPECT_EQ(find(s.list({kMachine}), "shared.desktop").keyPath,
            t / "usr/share/applications/shared.desktop");
}

TEST_F(DesktopRegistrationsTest, WithoutRightsNothingIsDeleted) {
  const std::string file = t / "usr/share/applications/a-sys.desktop";
  chmod(t.path().c_str(), 0755);
  if (!test::unprivilegedCanReach(file))
    GTEST_SKIP() << "an unprivileged user can't reach the temporary folder";
  chmod((t / "usr/share/applications").c_str(), 0555);
  // The super-user may delete anyway: the attempt runs without root's rights.
  EXPECT_EQ(0, test::runUnprivileged([&] { return store().remove(kMachine, file) ? 1 : 0; }));
  EXPECT_TRUE(fs::exists(t / "usr/share/applications/a-sys.desktop"));
}

}  // namespace
}  // namespace norvane
