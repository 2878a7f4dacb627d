#include "platform/posix/dpkg_database.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace norvane {
namespace {

// A small dpkg admin folder: packages in several states, a per-architecture list, lists in
// both /usr spellings, a package's own diversion and a local one.
class DpkgDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.writeFile("dpkg/status",
                  "Package: hello\n"
                  "Status: install ok installed\n"
                  "Architecture: amd64\n"
                  "Description: greets\n"
                  " Package: not-a-package\n"
                  " Status: install ok installed\n"
                  "\n"
                  "Package: libfoo\n"
                  "Status: install ok installed\n"
                  "Multi-Arch: same\n"
                  "Architecture: amd64\n"
                  "\n"
                  "Package: gone\n"
                  "Status: deinstall ok config-files\n"
                  "Architecture: all\n"
                  "\n"
                  "Package: halfway\n"
                  "Status: install reinstreq half-configured\n"
                  "Architecture: all\n"
                  "\n"
                  "Package: toolpkg\n"
                  "Status: install ok installed\n"
                  "Architecture: amd64\n"
                  "\n"
                  "Package: diverter\n"
                  "Status: install ok installed\n"
                  "Architecture: all\n");
    dir.writeFile("dpkg/info/hello.list",
                  "/.\n/usr\n/usr/bin\n/usr/bin/hello\n/lib\n/lib/x86_64-linux-gnu\n"
                  "/lib/x86_64-linux-gnu/libhello.so.1\n/usr/share/applications/hello.desktop\n"
                  "/usr/share/doc/hello/README\n");
    dir.writeFile("dpkg/info/libfoo:amd64.list", "/usr/lib/x86_64-linux-gnu/libfoo.so.2\n");
    dir.writeFile("dpkg/info/gone.list", "/etc/gone.conf\n");
    dir.writeFile("dpkg/info/halfway.list", "/usr/share/halfway/data\n");
    dir.writeFile("dpkg/info/toolpkg.list",
                  "/usr/bin/tool\n/usr/share/applications/hello.desktop\n");
    dir.writeFile("dpkg/info/diverter.list", "/usr/bin/tool\n/bin/sh\n");
    dir.writeFile("dpkg/info/not-a-package.list", "/usr/bin/ghost\n");
    dir.writeFile("dpkg/diversions",
                  "/usr/bin/tool\n/usr/bin/tool.real\ndiverter\n"
                  "/usr/share/doc/hello/README\n/usr/share/doc/hello/README.local\n:\n");
  }

  std::shared_ptr<const PackageFiles> load(bool mergedUsr = true) {
    return DpkgDatabase(dir / "dpkg", mergedUsr).load();
  }

  test::TempDir dir;
};

TEST_F(DpkgDatabaseTest, OwnersOfInstalledPackagesOnly) {
  const auto files = load();
  EXPECT_EQ(files->ownerOf("/usr/bin/hello"), "hello");
  EXPECT_EQ(files->ownerOf("/usr/lib/x86_64-linux-gnu/libfoo.so.2"), "libfoo:amd64");
  EXPECT_EQ(files->ownerOf("/usr/share/halfway/data"), "halfway");
  // Removed with its configuration kept, and a name only seen inside a description.
  EXPECT_FALSE(files->isOwned("/etc/gone.conf"));
  EXPECT_FALSE(files->isOwned("/usr/bin/ghost"));
  EXPECT_FALSE(files->isOwned("/usr/bin/hell"));
  EXPECT_FALSE(files->isOwned("/usr/bin/hello/x"));
  EXPECT_FALSE(files->isOwned("relative/usr/bin/hello"));
  // A path listed twice keeps the owner dpkg's status names first.
  EXPECT_EQ(files->ownerOf("/usr/share/applications/hello.desktop"), "hello");
  EXPECT_TRUE(files->isOwned("/usr/bin"));
}

TEST_F(DpkgDatabaseTest, DivertedFilesBelongWhereTheyLie) {
  const auto files = load();
  // The diverting package keeps the path; the other package's file lies at the new place.
  EXPECT_EQ(files->ownerOf("/usr/bin/tool"), "diverter");
  EXPECT_EQ(files->ownerOf("/usr/bin/tool.real"), "toolpkg");
  // A local diversion moves every package's file away.
  EXPECT_FALSE(files->isOwned("/usr/share/doc/hello/README"));
  EXPECT_EQ(files->ownerOf("/usr/share/doc/hello/README.local"), "hello");
}

TEST_F(DpkgDatabaseTest, MergedUsrFindsBothSpellings) {
  const auto files = load();
  EXPECT_EQ(files->ownerOf("/usr/lib/x86_64-linux-gnu/libhello.so.1"), "hello");
  EXPECT_EQ(files->ownerOf("/lib/x86_64-linux-gnu/libhello.so.1"), "hello");
  EXPECT_EQ(files->ownerOf("/bin/hello"), "hello");
  EXPECT_EQ(files->ownerOf("/usr/bin/sh"), "diverter");
  EXPECT_TRUE(files->isOwned("/lib"));
  EXPECT_TRUE(files->isOwned("/usr/lib"));
  // Only whole folder names are aliases.
  EXPECT_FALSE(files->isOwned("/library/x86_64-linux-gnu/libhello.so.1"));

  for (const char* folder : {"/usr/lib/x86_64-linux-gnu", "/lib/x86_64-linux-gnu/"}) {
    const auto ref = files->findFolder(folder);
    ASSERT_NE(ref, PackageFiles::kNoFolder) << folder;
    EXPECT_TRUE(files->isOwned(ref, "libhello.so.1"));
    EXPECT_TRUE(files->isOwned(ref, "libfoo.so.2"));
    EXPECT_FALSE(files->isOwned(ref, "libhello.so"));
  }
  const auto root = files->findFolder("/");
  EXPECT_TRUE(files->isOwned(root, "lib"));
  EXPECT_TRUE(files->isOwned(root, "usr"));
  EXPECT_FALSE(files->isOwned(root, "etc"));
  EXPECT_EQ(files->findFolder("/opt"), PackageFiles::kNoFolder);
  EXPECT_FALSE(files->isOwned(PackageFiles::kNoFolder, "hello"));
}

TEST_F(DpkgDatabaseTest, WithoutMergedUsrTheSpellingsDiffer) {
  const auto files = load(false);
  EXPECT_TRUE(files->isOwned("/lib/x86_64-linux-gnu/libhello.so.1"));
  EXPECT_FALSE(files->isOwned("/usr/lib/x86_64-linux-gnu/libhello.so.1"));
  EXPECT_FALSE(files->isOwned("/bin/hello"));
}

TEST_F(DpkgDatabaseTest, ListNamedWithoutArchitectureIsStillRead) {
  dir.writeFile("dpkg/status",
                "Package: oldstyle\nStatus: install ok installed\nMulti-Arch: same\n"
                "Architecture: i386\n");
  dir.writeFile("dpkg/info/oldstyle.list", "/usr/lib/i386-linux-gnu/libold.so\n");
  EXPECT_EQ(load()->ownerOf("/usr/lib/i386-linux-gnu/libold.so"), "oldstyle");
}

TEST_F(DpkgDatabaseTest, MissingDatabaseOwnsNothing) {
  const auto files = DpkgDatabase(dir / "nowhere").load();
  EXPECT_EQ(files->pathCount(), 0u);
  EXPECT_FALSE(files->isOwned("/usr/bin/hello"));
  EXPECT_EQ(files->findFolder("/usr/bin"), PackageFiles::kNoFolder);
}

TEST_F(DpkgDatabaseTest, ManyPathsSurviveTheTablesGrowing) {
  std::string list;
  for (int folder = 0; folder < 300; ++folder)
    for (int file = 0; file < 100; ++file)
      list += "/usr/share/many/d" + std::to_string(folder) + "/f" + std::to_string(file) + "\n";
  dir.writeFile("dpkg/info/hello.list", list);
  const auto files = load();
  // 30000 new paths and the other packages' six.
  EXPECT_EQ(files->pathCount(), 30006u);
  EXPECT_TRUE(files->isOwned("/usr/share/many/d0/f0"));
  EXPECT_TRUE(files->isOwned("/usr/share/many/d299/f99"));
  EXPECT_FALSE(files->isOwned("/usr/share/many/d299/f100"));
  EXPECT_EQ(files->ownerOf("/usr/share/many/d17/f42"), "hello");
  EXPECT_GT(files->memoryUsage(), 30000u * 16);
}

}  // namespace
}  // namespace norvane
