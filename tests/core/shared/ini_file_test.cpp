#include "core/shared/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "platform/ansi_codec.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace norvane {
namespace {

using test::TempDir;

TEST(IniFileTest, NewFileGetsCrlfLinesAndNewSectionsAtTheEnd) {
  TempDir dir;
  const std::string path = dir / "Setup.ini";
  IniFile ini(path);
  EXPECT_FALSE(ini.fileExisted());
  ASSERT_EQ(0, ini.writeString("ScanSet", "Optichk1", "1"));
  ASSERT_EQ(0, ini.writeString("ScanSet", "Optichk2", "0"));
  ASSERT_EQ(0, ini.writeString("FileList", "日志文件", "*.log;"));
  EXPECT_EQ("[ScanSet]\r\nOptichk1=1\r\nOptichk2=0\r\n\r\n[FileList]\r\n日志文件=*.log;\r\n",
            test::readWholeFile(path));
  EXPECT_TRUE(IniFile(path).fileExisted());
}

TEST(IniFileTest, RewrittenKeyKeepsItsLineAndNewKeyEndsItsSection) {
  TempDir dir;
  const std::string path =
      dir.writeFile("a.ini", "; settings\n[A]\nx = 1\ny=2\n\n[B]\nz=3\n[A]\nx=shadowed\n");
  IniFile ini(path);
  ASSERT_EQ(0, ini.writeString("a", "X", "9"));
  ASSERT_EQ(0, ini.writeString("A", "new", "n"));
  ASSERT_EQ(0, ini.writeString("b", "w", "4"));
  // Line endings of an LF file stay LF; the comment and the second [A] are untouched.
  EXPECT_EQ("; settings\n[A]\nx=9\ny=2\nnew=n\n\n[B]\nz=3\nw=4\n[A]\nx=shadowed\n",
            test::readWholeFile(path));
  IniFile again(path);
  EXPECT_EQ("9", again.readString("A", "x"));
  EXPECT_EQ((std::vector<std::string>{"A", "B"}), again.readSections());
}

TEST(IniFileTest, ReadsLikeTheProfileFunctions) {
  TempDir dir;
  const std::string path = dir.writeFile("a.ini",
                                         "orphan=before any section\r\n"
                                         "  [ Scan Set ]  trailing text\r\n"
                                         "\tKey One \t=  value with inner  blanks  \r\n"
                                         "; key=comment\r\n"
                                         "dup=first\r\n"
                                         "DUP=second\r\n"
                                         "bare line\r\n"
                                         "empty=\r\n"
                                         "eq=a=b\r\n"
                                         "[next]\r\n"
                                         "k=v");
  IniFile ini(path);
  EXPECT_EQ("value with inner  blanks", ini.readString("scan set", "key one"));
  EXPECT_EQ("first", ini.readString("Scan Set", "Dup"));
  EXPECT_EQ("a=b", ini.readString("Scan Set", "eq"));
  EXPECT_EQ("", ini.readString("Scan Set", "bare line", "default"));
  EXPECT_EQ("", ini.readString("Scan Set", "empty", "default"));
  EXPECT_EQ("default", ini.readString("Scan Set", "orphan", "default"));
  EXPECT_EQ("default", ini.readString("Scan Set", "; key", "default"));
  EXPECT_EQ("v", ini.readString("NEXT", "K"));
  EXPECT_EQ((std::vector<std::string>{"Key One", "dup", "bare line", "empty", "eq"}),
            ini.readSectionKeys("Scan Set"));
  EXPECT_TRUE(ini.readSectionKeys("missing").empty());
  EXPECT_FALSE(ini.sectionExists("missing"));

  // Appending after a last line without a line ending gives that line one first.
  ASSERT_EQ(0, ini.writeString("next", "k2", "v2"));
  EXPECT_EQ("[next]\r\nk=v\r\nk2=v2\r\n",
            test::readWholeFile(path).substr(test::readWholeFile(path).find("[next]")));
}

TEST(IniFileTest, IntegersInDecimalAndBothHexForms) {
  EXPECT_EQ(16, IniFile::parseInteger("0x10"));
  EXPECT_EQ(255, IniFile::parseInteger(" $fF "));
  EXPECT_EQ(-5, IniFile::parseInteger("-5"));
  EXPECT_EQ(7, IniFile::parseInteger("+7"));
  EXPECT_EQ(INT64_MIN, IniFile::parseInteger("-9223372036854775808"));
  EXPECT_EQ(INT64_MAX, IniFile::parseInteger("9223372036854775807"));
  for (const char* bad : {"", "-", "0x", "$", "1.5", "yes", "9223372036854775808", "12a", "0x1g",
                          "99999999999999999999999999"})
    EXPECT_FALSE(IniFile::parseInteger(bad).has_value()) << bad;

  TempDir dir;
  IniFile ini(dir.writeFile("i.ini", "[s]\na=0x20\nb=junk\n"));
  EXPECT_EQ(32, ini.readInteger("s", "a", -1));
  EXPECT_EQ(-1, ini.readInteger("s", "b", -1));
  EXPECT_EQ(-1, ini.readInteger("s", "c", -1));
}

TEST(IniFileTest, AwkwardKeysAndValuesRoundTripWhileOrdinaryOnesStayLiteral) {
  TempDir dir;
  const std::string path = dir / "e.ini";
  const std::vector<std::string> keys = {"",
                                         " lead",
                                         "trail ",
                                         "a=b",
                                         ";semi",
                                         "[bracket",
                                         "%%mark",
                                         "line\nbreak",
                                         "cr\rx",
                                         "tab\tin",
                                         "100%",
                                         "plain key",
                                         "帮助文件缓存",
                                         "x]y",
                                         "\t",
                                         std::string("nul\0x", 5)};
  const std::vector<std::string> values = {" spaced ", "multi\r\nline",
                                           "%%v",      "",
                                           "=",        ";v",
                                           "[v",       "ok",
                                           "a%20b",    "\t",
                                           "z",        "y",
                                           "x",        "w",
                                           "v",        "u"};
  {
    IniFile ini(path);
    for (std::size_t i = 0; i < keys.size(); ++i)
      ASSERT_EQ(0, ini.writeString("S", keys[i], values[i])) << i;
  }
  IniFile ini(path);
  EXPECT_EQ(keys, ini.readSectionKeys("S"));
  for (std::size_t i = 0; i < keys.size(); ++i)
    EXPECT_EQ(values[i], ini.readString("S", keys[i])) << i;

  const std::string text = test::readWholeFile(path);
  EXPECT_NE(text.find("\r\n100%=z\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nplain key=y\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n帮助文件缓存=x\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nx]y=w\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n%%=%%%20spaced%20\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n%%%20lead=%%multi%0D%0Aline\r\n"), std::string::npos);
  // Every entry is on its own line: 16 keys + the header, nothing broken apart.
  EXPECT_EQ(17, std::count(text.begin(), text.end(), '\n'));
}

TEST(IniFileTest, EscapedKeysStayDistinctFromTheirPlainLookalikes) {
  TempDir dir;
  IniFile ini(dir / "d.ini");
  ASSERT_EQ(0, ini.writeString("S", "a", "plain"));
  ASSERT_EQ(0, ini.writeString("S", " a", "lead"));
  ASSERT_EQ(0, ini.writeString("S", "A", "rewritten"));
  IniFile again(ini.path());
  EXPECT_EQ((std::vector<std::string>{"a", " a"}), again.readSectionKeys("S"));
  EXPECT_EQ("rewritten", again.readString("S", "a"));
  EXPECT_EQ("lead", again.readString("S", " a"));
}

TEST(IniFileTest, CrlfAndByteOrderMarkAreKept) {
  TempDir dir;
  const std::string path = dir.writeFile("b.ini", "\xEF\xBB\xBF[S]\r\nk=1\r\n");
  IniFile ini(path);
  EXPECT_EQ("1", ini.readString("S", "k"));
  ASSERT_EQ(0, ini.writeString("S", "k2", "2"));
  EXPECT_EQ("\xEF\xBB\xBF[S]\r\nk=1\r\nk2=2\r\n", test::readWholeFile(path));
}

TEST(IniFileTest, Cp936FileIsReadAndRewrittenAsUtf8) {
  TempDir dir;
  // "[FileList]\r\n帮助文件缓存=*.gid;\r\n" as written in code page 936, the Chinese Windows code
  // page.
  const std::string gbk =
      "[FileList]\r\n\xb0\xef\xd6\xfa\xce\xc4\xbc\xfe\xbb\xba\xb4\xe6=*.gid;\r\n";
  const std::string path = dir.writeFile("g.ini", gbk);
  IniFile ini(path);
  EXPECT_TRUE(ini.decodedAsCp936());
  EXPECT_EQ((std::vector<std::string>{"帮助文件缓存"}), ini.readSectionKeys("FileList"));
  EXPECT_EQ("*.gid;", ini.readString("FileList", "帮助文件缓存"));
  ASSERT_EQ(0, ini.writeString("FileList", "图象缓存", "Thumbs.db;"));
  EXPECT_EQ("[FileList]\r\n帮助文件缓存=*.gid;\r\n图象缓存=Thumbs.db;\r\n",
            test::readWholeFile(path));
  EXPECT_FALSE(IniFile(path).decodedAsCp936());
}

TEST(IniFileTest, Cp936DecoderHandlesEuroAndBrokenSequences) {
  EXPECT_EQ("\xE2\x82\xAC", cp936ToUtf8("\x80"));
  EXPECT_EQ(
      "a\xE5\x9B\xBE"
      "b",
      cp936ToUtf8("a\xcd\xbc"
                  "b"));
  // A lead byte with an invalid trail, and one cut off at the end.
  EXPECT_EQ("x\xEF\xBF\xBD\x01y\xEF\xBF\xBD", cp936ToUtf8("x\xcd\x01y\xcd"));
  EXPECT_EQ("", cp936ToUtf8(""));
}

TEST(IniFileTest, GarbageBytesNeitherCrashNorBlockWriting) {
  TempDir dir;
  std::mt19937 random(42);
  std::string garbage;
  const char specials[] = "[]=;\r\n%";
  for (int i = 0; i < 300000; ++i) {
    unsigned r = random();
    garbage += (r % 5 == 0) ? specials[r % 7] : static_cast<char>(r >> 8);
  }
  const std::string path = dir.writeFile("garbage.ini", garbage);
  IniFile ini(path);
  for (const std::string& section : ini.readSections()) ini.readSectionValues(section);
  ASSERT_EQ(0, ini.writeString("ScanSet", "Optichk1", "1"));
  EXPECT_EQ("1", IniFile(path).readString("ScanSet", "Optichk1"));
}

TEST(IniFileTest, HugeLineIsReadAndKept) {
  TempDir dir;
  const std::string big(8 * 1024 * 1024, 'x');
  const std::string path = dir.writeFile("h.ini", "[S]\nbig=" + big + "\n");
  IniFile ini(path);
  EXPECT_EQ(big, ini.readString("S", "big"));
  ASSERT_EQ(0, ini.writeString("S", "small", "1"));
  IniFile again(path);
  EXPECT_EQ(big.size(), again.readString("S", "big").size());
  EXPECT_EQ("1", again.readString("S", "small"));
}

TEST(IniFileTest, OversizedFileIsNeitherReadNorOverwritten) {
  TempDir dir;
  const std::string path = dir.writeFile("o.ini", "[S]\nk=1\n");
  ASSERT_EQ(0, truncate(path.c_str(), IniFile::kMaxFileBytes + 1));
  IniFile ini(path);
  EXPECT_TRUE(ini.fileExisted());
  EXPECT_EQ("d", ini.readString("S", "k", "d"));
  EXPECT_NE(0, ini.writeString("S", "k", "2"));
  struct stat st;
  ASSERT_EQ(0, stat(path.c_str(), &st));
  EXPECT_EQ(static_cast<off_t>(IniFile::kMaxFileBytes + 1), st.st_size);
}

TEST(IniFileTest, FailedWriteLeavesFileAndObjectUnchanged) {
  TempDir dir;
  // A read-only file: refused even for root, like the read-only attribute on Windows.
  const std::string path = dir.writeFile("r.ini", "[S]\nk=1");
  ASSERT_EQ(0, chmod(path.c_str(), 0444));
  IniFile ini(path);
  EXPECT_NE(0, ini.writeString("S", "k", "2"));
  EXPECT_NE(0, ini.writeString("S", "new", "3"));
  EXPECT_NE(0, ini.writeString("T", "new", "3"));
  EXPECT_EQ("[S]\nk=1", ini.serialize());
  EXPECT_EQ("[S]\nk=1", test::readWholeFile(path));
  EXPECT_EQ("1", ini.readString("S", "k"));

  // A folder that is really a file.
  const std::string notFolder = dir.writeFile("plain", "");
  EXPECT_NE(0, IniFile(notFolder + "/Setup.ini").writeString("S", "k", "1"));
  // A section name that would break the file.
  EXPECT_EQ(EINVAL, IniFile(dir / "x.ini").writeString("a]b", "k", "1"));
}

TEST(IniFileTest, ReadOnlyFolderFailsForNewFilesButAWritableFileIsRewrittenInPlace) {
  TempDir dir;
  ASSERT_EQ(0, chmod(dir.path().c_str(), 0755));
  const std::string folder = dir.makeDir("locked");
  const std::string existing = dir.writeFile("locked/Setup.ini", "[S]\nk=1\n");
  ASSERT_EQ(0, chmod(existing.c_str(), 0666));
  ASSERT_EQ(0, chmod(folder.c_str(), 0555));
  if (!test::unprivilegedCanReach(existing))
    GTEST_SKIP() << "an unprivileged user can't reach the temporary folder";
  int status = test::runUnprivileged([&] {
    if (IniFile(folder + "/new.ini").writeString("S", "k", "1") == 0) return 1;
    if (IniFile(existing).writeString("S", "k", "2") != 0) return 2;
    return 0;
  });
  EXPECT_EQ(0, status);
  EXPECT_EQ("[S]\nk=2\n", test::readWholeFile(existing));
}

}  // namespace
}  // namespace norvane
