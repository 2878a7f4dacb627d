#include "core/uninstall/command_line.h"

#include <gtest/gtest.h>

#include "core/uninstall/uninstall_command.h"

namespace norvane {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLineTest, SplitsByShellQuoting) {
  const std::vector<std::pair<std::string, Words>> cases = {
      {"", {}},
      {" \t\n", {}},
      {"dpkg --remove hello", {"dpkg", "--remove", "hello"}},
      {"  a\t\tb\nc  ", {"a", "b", "c"}},
      {"'/opt/My App/uninstall' --quiet", {"/opt/My App/uninstall", "--quiet"}},
      {"\"/opt/My App/un\"install", {"/opt/My App/uninstall"}},
      {"a'b'\"c\"d", {"abcd"}},
      {"'' \"\" x", {"", "", "x"}},
      {"'a\\b' \"a\\b\" \"\\\"q\\\"\" \"\\$HOME\"", {"a\\b", "a\\b", "\"q\"", "$HOME"}},
      {"a\\ b \\'c\\\" d\\\\", {"a b", "'c\"", "d\\"}},
      {"one\\\ntwo \"x\\\ny\"", {"onetwo", "xy"}},
      {"'it'\\''s'", {"it's"}},
      // Nothing is expanded or interpreted: no shell runs.
      {"echo $HOME ~ *.txt a;b | c", {"echo", "$HOME", "~", "*.txt", "a;b", "|", "c"}},
      {"trailing\\", {"trailing\\"}},
  };
  for (const auto& [line, words] : cases) {
    const auto split = CommandLine::split(line);
    ASSERT_TRUE(split.has_value()) << line;
    EXPECT_EQ(*split, words) << line;
  }
  for (const char* open : {"'abc", "a \"b", "\"a\\\"", "x 'y'z'"})
    EXPECT_FALSE(CommandLine::split(open).has_value()) << open;
}

TEST(UninstallCommandTest, NamesFromFilesCannotAddWordsOrOptions) {
  using Kind = ProgramOwner::Kind;
  for (const char* name :
       {"", "--all", "-y", "a b", "a;b", "x'y", "org.x\ny", "$(id)", ".hidden"}) {
    EXPECT_EQ(UninstallCommand::forOwner({Kind::Flatpak, name, true}, false), "") << name;
    EXPECT_EQ(UninstallCommand::forOwner({Kind::Snap, name}, false), "") << name;
    EXPECT_EQ(UninstallCommand::forOwner({Kind::DebianPackage, name}, false), "") << name;
  }
  EXPECT_EQ(UninstallCommand::forOwner({Kind::Snap, "Firefox"}, false), "");
  EXPECT_EQ(UninstallCommand::forOwner({Kind::DebianPackage, "libfoo:amd64"}, false),
            "pkexec dpkg --remove libfoo:amd64");
  EXPECT_EQ(UninstallCommand::forOwner({Kind::DebianPackage, "Hello"}, false), "");
}

}  // namespace
}  // namespace norvane
