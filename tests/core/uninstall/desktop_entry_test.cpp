#include "core/uninstall/desktop_entry.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(DesktopEntryTest, KeysOfTheDesktopEntryGroupInFileOrder) {
  const auto entry = DesktopEntry::parse(
      "\xEF\xBB\xBF# comment\r\n"
      "[Desktop Entry]\r\n"
      "Type=Application\r\n"
      "Name = Maps \r\n"
      "Name[zh_CN]=地图\r\n"
      "Comment=a\\sb\\nc\\td\\\\e\\;f\r\n"
      "  # indented comment\n"
      "not a key line\n"
      "Exec=gnome-maps %U\n"
      "Name=Second\n"
      "=no key\n"
      "[Desktop Action new]\n"
      "Name=Action\n"
      "[Desktop Entry]\n"
      "Icon=again\n");
  std::vector<DesktopEntry::Key> expected = {{"Type", "Application"},
                                             {"Name", "Maps "},
                                             {"Name[zh_CN]", "地图"},
                                             {"Comment", "a b\nc\td\\e\\;f"},
                                             {"Exec", "gnome-maps %U"}};
  EXPECT_EQ(entry.keys(), expected);
  EXPECT_EQ(entry.value("Icon"), "");
  EXPECT_TRUE(DesktopEntry::parse("Name=x\n[Other]\nType=Application\n").keys().empty());
}

TEST(DesktopEntryTest, DisplayNamePrefersSimplifiedChinese) {
  auto name = [](const std::string& keys) {
    return DesktopEntry::parse("[Desktop Entry]\nType=Application\n" + keys).displayName();
  };
  EXPECT_EQ(name("Name=Maps\nName[zh]=地图zh\nName[zh_CN]=地图\n"), "地图");
  EXPECT_EQ(name("Name=Maps\nName[zh]=地图zh\nName[zh_TW]=地圖\n"), "地图zh");
  EXPECT_EQ(name("Name=Maps\nName[zh_CN]=\n"), "Maps");
  EXPECT_EQ(name("Name[de]=Karten\n"), "");
  EXPECT_EQ(name("Name=Maps\nNoDisplay=true\n"), "");
  EXPECT_EQ(name("Name=Maps\nHidden=true\n"), "");
  EXPECT_EQ(name("Name=Maps\nNoDisplay=false\nHidden=false\n"), "Maps");
  EXPECT_EQ(DesktopEntry::parse("[Desktop Entry]\nType=Link\nName=Web\n").displayName(), "");
  EXPECT_EQ(DesktopEntry::parse("[Desktop Entry]\nName=Typeless\n").displayName(), "");
}

}  // namespace
}  // namespace norvane
