#include "platform/posix/xdg_shell_folders.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

using norvane::ShellEnvironment;
using norvane::XdgShellFolders;
using norvane::test::TempDir;
using namespace norvane;  // the CSIDL names

namespace {

ShellEnvironment homeOnly(const std::string& home) {
  ShellEnvironment env;
  env.home = home;
  return env;
}

}  // namespace

TEST(XdgShellFolders, FixedFoldersAndTemporaryFolder) {
  ShellEnvironment env = homeOnly("/home/u");
  XdgShellFolders plain(env);
  EXPECT_EQ(plain.windowsFolder(), "/usr");
  EXPECT_EQ(plain.systemFolder(), "/usr/lib");
  EXPECT_EQ(plain.programFilesDir(), "/opt");
  EXPECT_EQ(plain.tempFolder(), "/tmp");

  env.tmpDir = "/var/tmp/me//";
  EXPECT_EQ(XdgShellFolders(env).tempFolder(), "/var/tmp/me");
  env.tmpDir = "relative/tmp";  // not a usable folder
  EXPECT_EQ(XdgShellFolders(env).tempFolder(), "/tmp");
}

TEST(XdgShellFolders, DefaultsBelowHomeWhenNothingIsConfigured) {
  TempDir tmp;
  XdgShellFolders f(homeOnly(tmp.path() + "/"));
  const std::string h = tmp.path();
  EXPECT_EQ(f.specialFolder(CSIDL_DESKTOPDIRECTORY), h + "/Desktop");
  EXPECT_EQ(f.specialFolder(CSIDL_PERSONAL), h);
  EXPECT_EQ(f.specialFolder(CSIDL_APPDATA), h + "/.config");
  EXPECT_EQ(f.specialFolder(CSIDL_INTERNET_CACHE), h + "/.cache");
  EXPECT_EQ(f.specialFolder(CSIDL_STARTMENU), h + "/.local/share/applications");
  for (int none : {int(CSIDL_COOKIES), int(CSIDL_HISTORY), int(CSIDL_RECENT), 0x1F, -1})
    EXPECT_EQ(f.specialFolder(none), "") << none;

  // No home at all: the user's folders can't be named.
  XdgShellFolders homeless(homeOnly(""));
  EXPECT_EQ(homeless.specialFolder(CSIDL_APPDATA), "");
  EXPECT_EQ(homeless.specialFolder(CSIDL_COMMON_STARTUP), "/etc/xdg/autostart");
}

TEST(XdgShellFolders, XdgVariablesCountOnlyWhenAbsolute) {
  TempDir tmp;
  ShellEnvironment env = homeOnly(tmp.path());
  env.xdgConfigHome = tmp / "cfg/";
  env.xdgCacheHome = "relative-cache";
  env.xdgDataHome = tmp / "data";
  XdgShellFolders f(env);
  EXPECT_EQ(f.specialFolder(CSIDL_APPDATA), tmp / "cfg");
  EXPECT_EQ(f.specialFolder(CSIDL_STARTUP), tmp / "cfg/autostart");
  EXPECT_EQ(f.specialFolder(CSIDL_INTERNET_CACHE), tmp / ".cache");
  EXPECT_EQ(f.specialFolder(CSIDL_FONTS), tmp / "data/fonts");

  // A folder where user-dirs.dirs should be: the defaults, no failure.
  tmp.makeDir("cfg/user-dirs.dirs");
  EXPECT_EQ(f.specialFolder(CSIDL_DESKTOP), tmp / "Desktop");
}

TEST(XdgShellFolders, UserDirsFileNamesTheUserFolders) {
  TempDir tmp;
  ShellEnvironment env = homeOnly(tmp.path());
  env.xdgConfigHome = tmp / "cfg";
  tmp.writeFile("cfg/user-dirs.dirs",
                "# written by xdg-user-dirs-update\n"
                "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n"
                "  XDG_DOCUMENTS_DIR=\"/data/my \\\"docs\\\"/\"\n"
                "XDG_TEMPLATES_DIR=relative/unquoted\n"
                "XDG_MUSIC_DIR=\"$HOMEWORK/x\"\n");
  XdgShellFolders f(env);
  EXPECT_EQ(f.specialFolder(CSIDL_DESKTOP), tmp / "桌面");
  EXPECT_EQ(f.specialFolder(CSIDL_PERSONAL), "/data/my \"docs\"");
  EXPECT_EQ(f.specialFolder(CSIDL_TEMPLATES), tmp.path());  // malformed line: the fallback

  const auto dirs = XdgShellFolders::parseUserDirs(
      "XDG_MUSIC_DIR=\"$HOMEWORK/x\"\nXDG_PICTURES_DIR=\"$HOME/\"\nNOT_XDG=\"/x\"\n", "/h");
  EXPECT_EQ(dirs.count("MUSIC"), 0u);
  EXPECT_EQ(dirs.at("PICTURES"), "/h");
  EXPECT_EQ(dirs.size(), 1u);
}
