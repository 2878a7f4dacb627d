// Name masks of the enumeration, the engine's own wildcard matcher, exclusion patterns and
// the path rules behind them.
#include <gtest/gtest.h>

#include "core/search/dos_mask.h"
#include "core/search/list_rules.h"
#include "core/search/path_parts.h"
#include "core/search/wildcard.h"

namespace norvane {
namespace {

bool mask(const char* m, const char* name) { return DosMask(m).matches(name); }

TEST(DosMask, StarDotStarAndStarMatchEveryNameDotlessToo) {
  for (const char* name : {"a", "a.b", ".hidden", "noext", "x.y.z", "-dash", "sp ace"}) {
    EXPECT_TRUE(mask("*.*", name)) << name;
    EXPECT_TRUE(mask("*", name)) << name;
  }
}

TEST(DosMask, ExtensionMasksIgnoreCaseAndNeedTheLastExtension) {
  EXPECT_TRUE(mask("*.tmp", "a.tmp"));
  EXPECT_TRUE(mask("*.tmp", "A.TMP"));
  EXPECT_TRUE(mask("*.TMP", "b.c.tmp"));
  EXPECT_TRUE(mask("*.tmp", ".tmp"));
  EXPECT_FALSE(mask("*.tmp", "a.tmp.bak"));
  EXPECT_FALSE(mask("*.tmp", "atmp"));
  EXPECT_FALSE(mask("*.tmp", "a.tmpl"));
  EXPECT_TRUE(mask("*.$$$", "x.$$$"));
  EXPECT_TRUE(mask("Thumbs.db", "THUMBS.DB"));
  EXPECT_FALSE(mask("Thumbs.db", "Thumbs.db.old"));
}

TEST(DosMask, TrailingDotStarAlsoMatchesDotlessNames) {
  EXPECT_TRUE(mask("chklist.*", "chklist"));
  EXPECT_TRUE(mask("chklist.*", "CHKLIST.MS"));
  EXPECT_FALSE(mask("chklist.*", "chklist2"));
  EXPECT_TRUE(mask("~*.*", "~"));
  EXPECT_TRUE(mask("~*.*", "~x"));
  EXPECT_TRUE(mask("~*.*", "~x.tmp.doc"));
  EXPECT_FALSE(mask("~*.*", "x~"));
  EXPECT_TRUE(mask("*.", "README"));
  EXPECT_FALSE(mask("*.", "read.me"));
}

TEST(DosMask, QuestionMarkMatchesOneCharacterOrNothingBeforeDotAndEnd) {
  EXPECT_TRUE(mask("*.??$", "a.ab$"));
  EXPECT_FALSE(mask("*.??$", "a.b$"));
  EXPECT_FALSE(mask("*.??$", "a.abc$"));
  EXPECT_TRUE(mask("a?", "a"));
  EXPECT_TRUE(mask("a?", "ab"));
  EXPECT_FALSE(mask("a?", "abc"));
  EXPECT_TRUE(mask("???.txt", "ab.txt"));
  EXPECT_FALSE(mask("?", "."));
  EXPECT_TRUE(mask("*.~*", "a.~1"));
  EXPECT_TRUE(mask("*.~*", "doc.~tmp.x"));
  EXPECT_FALSE(mask("*.~*", "a~.b"));
  EXPECT_FALSE(DosMask("").matches("a"));
}

TEST(DosMask, RepeatedAndClosingLettersNeedTheirOwnCharactersInOrder) {
  EXPECT_TRUE(mask("a*a", "aA"));
  EXPECT_TRUE(mask("a*a", "abca"));
  EXPECT_FALSE(mask("a*a", "a"));
  EXPECT_FALSE(mask("a*a", "aab"));
  EXPECT_TRUE(mask("*b*b", "Bb"));
  EXPECT_FALSE(mask("*b*b", "b"));
  EXPECT_TRUE(mask("x*y*z", "xYzZ"));
  EXPECT_FALSE(mask("x*y*z", "xzy"));
  EXPECT_TRUE(mask("~$*.doc?", "~$a.doc"));
  EXPECT_TRUE(mask("ab*.", "abc"));
  EXPECT_FALSE(mask("ab*.", "ab.c"));
}

TEST(DosMask, BuiltInJunkMasksAgainstTypicalNames) {
  const char* masks =
      "*.gid;*.ftg;*.fts;Thumbs.db;pspbrwse.jbf;*.chk;chklist.*;*.err;errorlog.txt;*.bak;"
      "*.old;*.prv;~*.*;*.tmp;*.temp;*.??$;*.~*;*._mp;*.$$$;*.---;*.@@@;*.dmp;mscreate.dir;*.log;";
  std::vector<DosMask> compiled;
  for (const auto& m : SplitList(masks)) compiled.emplace_back(m);
  auto junk = [&](const char* name) {
    for (const auto& m : compiled)
      if (m.matches(name)) return true;
    return false;
  };
  for (const char* name : {"setup.log", "~WRL0003.tmp", "core.dmp", "thumbs.db", "x.EX$",
                           "report.doc.bak", "a.~lock", "FILE0001.CHK"}) {
    EXPECT_TRUE(junk(name)) << name;
  }
  for (const char* name : {"main.cpp", "notes.txt", "logo.png", "blog", "catalog.xml", "Makefile"}) {
    EXPECT_FALSE(junk(name)) << name;
  }
}

TEST(WildcardMatch, EngineRules) {
  EXPECT_TRUE(WildcardMatch("abcdefz", "a*z"));
  EXPECT_TRUE(WildcardMatch("axxxx", "a*z"));  // "*" ends the test at once
  EXPECT_TRUE(WildcardMatch("ab", "ab?"));
  EXPECT_TRUE(WildcardMatch("AB", "ab"));
  EXPECT_FALSE(WildcardMatch("abc", "ab"));
  EXPECT_FALSE(WildcardMatch("ab", "abc"));
  EXPECT_TRUE(WildcardMatch("", "*?*"));
  EXPECT_TRUE(WildcardMatch("", ""));
}

TEST(FileNameMatches, BaseAndExtensionSeparately) {
  EXPECT_TRUE(FileNameMatches("readme", "readme"));
  EXPECT_TRUE(FileNameMatches("readme.txt", "readme"));
  EXPECT_TRUE(FileNameMatches("README.DOC", "readme"));
  EXPECT_TRUE(FileNameMatches("a.log", "*.log"));
  EXPECT_FALSE(FileNameMatches("a.log.gz", "*.log"));
  EXPECT_FALSE(FileNameMatches("log", "*.log"));
  EXPECT_TRUE(FileNameMatches("noext", "*."));
  EXPECT_FALSE(FileNameMatches("has.ext", "*."));
}

TEST(ExcludeItemMatches, FolderTailsCompareExactlyAndOnlyDirectChildren) {
  EXPECT_TRUE(ExcludeItemMatches("/any/where/", "x.log", "*.log"));
  EXPECT_FALSE(ExcludeItemMatches("/any/where/", "x.txt", "*.log"));
  EXPECT_TRUE(ExcludeItemMatches("/tmp/", "a", "/tmp/"));
  EXPECT_TRUE(ExcludeItemMatches("/old/tmp/", "a", "/tmp/"));
  EXPECT_FALSE(ExcludeItemMatches("/tmp/sub/", "a", "/tmp/"));
  EXPECT_FALSE(ExcludeItemMatches("/TMP/", "a", "/tmp/"));  // Linux folders differ by case
  EXPECT_TRUE(ExcludeItemMatches("/home/MyTemp/", "a", "Temp/"));
  EXPECT_FALSE(ExcludeItemMatches("/p/", "a", "/longer/than/folder/"));
  EXPECT_TRUE(ExcludeItemMatches("/var/cache/", "x.bin", "cache/*.bin"));
  EXPECT_FALSE(ExcludeItemMatches("/var/cache/", "x.txt", "cache/*.bin"));
}

TEST(ExcludeItemMatches, DriveParts) {
  EXPECT_TRUE(ExcludeItemMatches("C:/Temp/", "a", "C:/Temp/"));
  EXPECT_TRUE(ExcludeItemMatches("C:/Old/Temp/", "a", "c:/Temp/"));
  EXPECT_FALSE(ExcludeItemMatches("D:/Temp/", "a", "C:/Temp/"));
  EXPECT_FALSE(ExcludeItemMatches("C:/Temp/Sub/", "a", "C:/Temp/"));
  EXPECT_TRUE(ExcludeItemMatches("D:/Temp/", "a", "?:/Temp/"));
  EXPECT_TRUE(ExcludeItemMatches("/Temp/", "a", "?:/Temp/"));
  EXPECT_FALSE(ExcludeItemMatches("/Temp/", "a", "C:/Temp/"));
  EXPECT_TRUE(DriveMatches("//srv/share", "//SRV/*"));
  EXPECT_FALSE(DriveMatches("", "C:"));
}

TEST(PathParts, SplitAndExpand) {
  EXPECT_EQ(folderPart("/a/b.c"), "/a/");
  EXPECT_EQ(namePart("/a/b.c"), "b.c");
  EXPECT_EQ(extensionPart("/a.d/b"), "");
  EXPECT_EQ(extensionPart("/a/b.tar.gz"), ".gz");
  EXPECT_EQ(basePart("/a/b.tar.gz"), "b.tar");
  EXPECT_EQ(folderPart("C:x"), "C:");
  EXPECT_EQ(namePart("/a/b:c"), "b:c");  // ":" is an ordinary name character here
  EXPECT_EQ(drivePart("//server/share/dir/f"), "//server/share");
  EXPECT_EQ(drivePart("/plain"), "");
  EXPECT_EQ(AddBackslash("/a"), "/a/");
  EXPECT_EQ(AddBackslash("/a/"), "/a/");
  EXPECT_EQ(AddBackslash(""), "");
  EXPECT_EQ(fullPathName("x/./y/../z", "/cwd"), "/cwd/x/z");
  EXPECT_EQ(fullPathName("/a//b/", "/cwd"), "/a/b/");
  EXPECT_EQ(fullPathName("/../..", "/cwd"), "/");
  EXPECT_EQ(fullPathName("", "/cwd"), "");
  EXPECT_EQ(fullPathName(".", "/"), "/");
}

}  // namespace
}  // namespace norvane
