#include "core/cleaning/cleaning_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "core/shared/ini_file.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::TempDir;

TEST(CleaningSettingsTest, SavingTheBuiltInStateWritesTheKnownFile) {
  TempDir dir;
  const std::string path = settingsPath(dir.path());
  EXPECT_EQ(dir / "Setup.ini", path);
  saveCleaningSettings(path, defaultCleaningSettings());
  EXPECT_EQ(
      "[ScanSet]\r\n"
      "Optichk1=1\r\nOptichk2=1\r\nOptichk3=1\r\nOptichk4=1\r\n"
      "Optichk5=0\r\nOptichk6=1\r\nOptichk7=0\r\nOptichk8=1\r\n"
      "\r\n[FileList]\r\n"
      "帮助文件缓存=*.gid;*.ftg;*.fts;\r\n"
      "图象缓存=Thumbs.db;pspbrwse.jbf;\r\n"
      "恢复文件=*.chk;chklist.*;\r\n"
      "错误日志=*.err;errorlog.txt;\r\n"
      "备份文件=*.bak;*.old;*.prv;~*.*;\r\n"
      "临时文件=*.tmp;*.temp;*.??$;*.~*;*._mp;*.$$$;*.---;*.@@@;*.dmp;mscreate.dir;\r\n"
      "日志文件=*.log;\r\n",
      test::readWholeFile(path));
}

TEST(CleaningSettingsTest, BuiltInMasksJoinToTheScanPatternList) {
  CleaningSettings s = defaultCleaningSettings();
  EXPECT_EQ(
      "*.gid;*.ftg;*.fts;Thumbs.db;pspbrwse.jbf;*.chk;chklist.*;*.err;errorlog.txt;*.bak;*.old;"
      "*.prv;~*.*;*.tmp;*.temp;*.??$;*.~*;*._mp;*.$$$;*.---;*.@@@;*.dmp;mscreate.dir;*.log;",
      joinScanMasks(s.types));
  // Unchecked types drop out; a hand-edited masks text without ";" runs into the next one.
  std::vector<FileType> types = {{"a", "*.a", true}, {"b", "*.b;", false}, {"c", "*.c;", true}};
  EXPECT_EQ("*.a*.c;", joinScanMasks(types));
  EXPECT_EQ("", joinScanMasks({}));
  EXPECT_EQ("*.xyz;", newFileType("new", "*.xyz").masks);
  EXPECT_TRUE(newFileType("", "").checked);
}

TEST(CleaningSettingsTest, MissingFileOrSectionsKeepWhatTheDialogHas) {
  TempDir dir;
  CleaningSettings s = defaultCleaningSettings();
  s.options.skipTempFolder = false;
  s.types.resize(2);
  s.types[1].checked = false;
  const CleaningSettings before = s;

  loadCleaningSettings(dir / "Setup.ini", s);
  EXPECT_EQ(before.options, s.options);
  EXPECT_EQ(before.types, s.types);

  // Empty sections, or a FileList with only comments and blank lines.
  const std::string path = dir.writeFile("Setup.ini", "[ScanSet]\n[FileList]\n; nothing\n\n");
  loadCleaningSettings(path, s);
  EXPECT_EQ(before.options, s.options);
  EXPECT_EQ(before.types, s.types);
}

TEST(CleaningSettingsTest, FileListReplacesTheTypesInFileOrderAllChecked) {
  TempDir dir;
  const std::string path = dir.writeFile("Setup.ini", "[FileList]\r\n日志文件=*.log;\r\n");
  CleaningSettings s = defaultCleaningSettings();
  s.options.scanSystem = true;
  loadCleaningSettings(path, s);
  ASSERT_EQ(1u, s.types.size());
  EXPECT_EQ((FileType{"日志文件", "*.log;", true}), s.types[0]);
  EXPECT_EQ("*.log;", joinScanMasks(s.types));
  EXPECT_TRUE(s.options.scanSystem) << "options without a ScanSet key keep their state";

  dir.writeFile("Setup.ini", "[FileList]\nz=*.z;\nbare\na=*.a;\n");
  loadCleaningSettings(path, s);
  ASSERT_EQ(3u, s.types.size());
  EXPECT_EQ("z", s.types[0].description);
  EXPECT_EQ((FileType{"bare", "", true}), s.types[1]);
  EXPECT_EQ("a", s.types[2].description);
}

TEST(CleaningSettingsTest, ScanSetValueRule) {
  for (const char* on : {"1", "2", "-1", "0x10", "0X1", "$1F", " 7 ", "+3",
                         "000000000000000000000000001", "0xFFFFFFFFFFFFFFFFFFFFFFFF"})
    EXPECT_TRUE(scanSetValueChecked(on)) << on;
  for (const char* off : {"0", "00", "-0", "0x0", "$0", "", "yes", "true", "0x", "$", "1.0", "1e3",
                          "1 2", "- 1", "x1"})
    EXPECT_FALSE(scanSetValueChecked(off)) << off;
}

TEST(CleaningSettingsTest, ScanSetKeysSetOptionsByNameWithoutRegardToCase) {
  TempDir dir;
  const std::string path = dir.writeFile("Setup.ini",
                                         "[ScanSet]\n"
                                         "optichk1=0\n"  // lower case still names the check box
                                         "OPTICHK5=0x10\n"
                                         "Optichk6=yes\n"  // not a number: unchecked
                                         "Optichk7\n"      // no value: unchecked
                                         "Optichk8=0\n"
                                         "Optichk8=1\n"     // duplicate: the first counts
                                         "saveCommand=1\n"  // names another control: ignored
                                         "Optichk9=1\n");
  CleaningSettings s = defaultCleaningSettings();
  s.options.moveToRecycleBin = true;
  loadCleaningSettings(path, s);
  EXPECT_EQ((CleaningOptions{false, true, true, true, true, false, false, false}), s.options);
  EXPECT_EQ(builtInFileTypes(), s.types);
}

TEST(CleaningSettingsTest, CheckStatesOfTypesAreNotStored) {
  TempDir dir;
  const std::string path = dir / "Setup.ini";
  CleaningSettings s = defaultCleaningSettings();
  for (auto& t : s.types) t.checked = false;
  saveCleaningSettings(path, s);
  CleaningSettings restarted = defaultCleaningSettings();
  loadCleaningSettings(path, restarted);
  EXPECT_EQ(builtInFileTypes(), restarted.types);
}

TEST(CleaningSettingsTest, DuplicateDescriptionsKeepOneKeyWithTheLaterMasksAtTheEarlierPlace) {
  TempDir dir;
  const std::string path = dir / "Setup.ini";
  CleaningSettings s;
  s.types = {{"dup", "*.one;", true}, {"mid", "*.mid;", true}, {"DUP", "*.two;", true}};
  saveCleaningSettings(path, s);
  const std::string text = test::readWholeFile(path);
  EXPECT_NE(text.find("[FileList]\r\ndup=*.two;\r\nmid=*.mid;\r\n"), std::string::npos) << text;
  CleaningSettings restarted = defaultCleaningSettings();
  loadCleaningSettings(path, restarted);
  EXPECT_EQ((std::vector<FileType>{{"dup", "*.two;", true}, {"mid", "*.mid;", true}}),
            restarted.types);
}

TEST(CleaningSettingsTest, DescriptionsAnIniKeyCannotCarryRoundTrip) {
  TempDir dir;
  const std::string path = dir / "Setup.ini";
  CleaningSettings s;
  s.types = {{"", "*.e;", true},
             {"a=b", "*.ab;", true},
             {"; not a comment", "*.c;", true},
             {"[not a section]", "*.s;", true},
             {"  padded  ", " *.p; ", true},
             {"two\nlines", "*.n;", true}};
  saveCleaningSettings(path, s);
  CleaningSettings restarted = defaultCleaningSettings();
  loadCleaningSettings(path, restarted);
  EXPECT_EQ(s.types, restarted.types);
}

TEST(CleaningSettingsTest, SettingsWrittenByTheWindowsVersionInCodePage936Load) {
  TempDir dir;
  // "[ScanSet]\r\nOptichk3=0\r\n[FileList]\r\n图象缓存=Thumbs.db;\r\n" in code page 936.
  const std::string path = dir.writeFile(
      "Setup.ini",
      "[ScanSet]\r\nOptichk3=0\r\n[FileList]\r\n\xcd\xbc\xcf\xf3\xbb\xba\xb4\xe6=Thumbs.db;\r\n");
  CleaningSettings s = defaultCleaningSettings();
  loadCleaningSettings(path, s);
  EXPECT_FALSE(s.options.scanHidden);
  EXPECT_EQ((std::vector<FileType>{{"图象缓存", "Thumbs.db;", true}}), s.types);
}

TEST(CleaningSettingsTest, SavingToAnUnwritablePlaceRaisesUnableToWrite) {
  TempDir dir;
  const std::string path = dir.writeFile("Setup.ini", "[ScanSet]\r\nOptichk1=0\r\n");
  ASSERT_EQ(0, chmod(path.c_str(), 0444));
  try {
    saveCleaningSettings(path, defaultCleaningSettings());
    FAIL() << "no error";
  } catch (const NorvaneError& e) {
    EXPECT_EQ("Unable to write to " + path, std::string(e.what()));
  }
  EXPECT_EQ("[ScanSet]\r\nOptichk1=0\r\n", test::readWholeFile(path));

  const std::string blocked = dir.writeFile("file", "") + "/Setup.ini";
  EXPECT_THROW(saveCleaningSettings(blocked, defaultCleaningSettings()), NorvaneError);
}

TEST(CleaningSettingsTest, OptionTableMatchesTheDialog) {
  const auto& options = cleaningOptions();
  EXPECT_STREQ("Optichk1", options[0].key);
  EXPECT_EQ(&CleaningOptions::skipTempFolder, options[0].flag);
  EXPECT_STREQ("删除文件时,如果文件正在使用则下次启动时删除", options[7].caption);
  EXPECT_EQ(&options[7], optionOfKey("optichk8"));
  EXPECT_EQ(&CleaningOptions::deleteAtRestart, options[7].flag);
  EXPECT_EQ(nullptr, optionOfKey("Optichk"));
  EXPECT_EQ(nullptr, optionOfKey("Optichk10"));
  const auto defaults = defaultCleaningSettings().options;
  EXPECT_EQ((CleaningOptions{true, true, true, true, false, true, false, true}), defaults);
}

}  // namespace
}  // namespace norvane
