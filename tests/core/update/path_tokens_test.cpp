#include "core/update/path_tokens.h"

#include <gtest/gtest.h>

#include <map>

namespace norvane {
namespace {

class TableFolders : public ShellFolders {
 public:
  std::map<int, std::string> special{{CSIDL_APPDATA, "/home/u/.config"},
                                     {CSIDL_DESKTOP, "/home/u/Desktop/"}};
  std::string windowsFolder() override { return "/usr"; }
  std::string systemFolder() override { return "/usr/lib"; }
  std::string tempFolder() override { return "/tmp/"; }
  std::string specialFolder(int csidl) override {
    const auto found = special.find(csidl);
    return found == special.end() ? std::string() : found->second;
  }
  std::string programFilesDir() override { return "/opt"; }
};

TEST(ExpandPathTokens, TokensFoldersAndSeparators) {
  TableFolders shell;
  const TokenFolders folders{shell, "/opt/norvane/", "/home/u/work"};
  // Backslashes separate folders; the folder's trailing separator is not doubled.
  EXPECT_EQ(ExpandPathTokens("%Temp%\\x\\a.dat", folders), "/tmp/x/a.dat");
  EXPECT_EQ(ExpandPathTokens("%temp%/x/a.dat", folders), "/tmp/x/a.dat");
  EXPECT_EQ(ExpandPathTokens("%WINDOWS%/a", folders), "/usr/a");
  EXPECT_EQ(ExpandPathTokens("%System%/a", folders), "/usr/lib/a");
  EXPECT_EQ(ExpandPathTokens("%Desktop%/a", folders), "/home/u/Desktop/a");
  EXPECT_EQ(ExpandPathTokens("%AppData%/n/Setup.ini", folders), "/home/u/.config/n/Setup.ini");
  // The added token for the program's own folder.
  EXPECT_EQ(ExpandPathTokens("%App%/norvane", folders), "/opt/norvane/norvane");
  EXPECT_EQ(ExpandPathTokens("%app%\\lib\\x.so", folders), "/opt/norvane/lib/x.so");
  // Every occurrence of the winning token is replaced; ".." is resolved.
  EXPECT_EQ(ExpandPathTokens("%Temp%/%TEMP%/../b", folders), "/tmp/b");
}

TEST(ExpandPathTokens, WithoutAKnownTokenThePathIsOnlyMadeAbsolute) {
  TableFolders shell;
  const TokenFolders folders{shell, "/opt/norvane/", "/home/u/work"};
  EXPECT_EQ(ExpandPathTokens("sub\\a.dat", folders), "/home/u/work/sub/a.dat");
  EXPECT_EQ(ExpandPathTokens("%Nope%/a", folders), "/home/u/work/%Nope%/a");
  EXPECT_EQ(ExpandPathTokens("%a.dat", folders), "/home/u/work/%a.dat");
  EXPECT_EQ(ExpandPathTokens("/etc/../opt/x", folders), "/opt/x");
  // A token whose folder the system doesn't have counts as empty.
  EXPECT_EQ(ExpandPathTokens("%Cookies%/c.txt", folders), "/c.txt");
}

}  // namespace
}  // namespace norvane
