// Criteria objects: defaults, copying, and the attribute, size and date tests.
#include <gtest/gtest.h>

#include "core/search/date_time_criteria.h"
#include "core/search/list_rules.h"
#include "core/search/search_criteria.h"
#include "platform/errors.h"

namespace norvane {
namespace {

TEST(SearchCriteria, NewObjectHasDocumentedDefaults) {
  SearchCriteria c;
  EXPECT_TRUE(c.Files().Subfolders());
  EXPECT_EQ(c.Files().MinLevel(), 0);
  EXPECT_EQ(c.Files().MaxLevel(), 0);
  EXPECT_TRUE(c.Files().FileName().empty());
  EXPECT_TRUE(c.Files().Location().empty());
  EXPECT_EQ(c.Attribute().Attributes(),
            (FileAttributes{ffArchive, ffReadonly, ffHidden, ffSystem}));
  EXPECT_EQ(c.Attribute().Mask(), 0x27u);
  EXPECT_FALSE(c.Attribute().ExactMatch());
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(c.AttributeEx().GetAttributeStatus(i), fsIgnore);
  EXPECT_EQ(c.TimeStamp().CreatedBefore(), 0);
  EXPECT_EQ(c.TimeStamp().AccessedAfter(), 0);
  EXPECT_EQ(c.Size().Min(), 0);
  EXPECT_EQ(c.Size().Max(), 0);
  EXPECT_TRUE(c.Content().IgnoreCase());
  EXPECT_FALSE(c.Content().WholeWord());
  EXPECT_TRUE(c.Content().Phrase().empty());
  EXPECT_EQ(&c.Content().CharMap(), &LowerCaseMap);
}

TEST(SearchCriteria, AssignCopiesEverySubObjectIntoTheOwnedOnes) {
  SearchCriteria a;
  a.Files().SetFileName("*.tmp");
  a.Files().SetLocation("/x");
  a.Files().Included().push_back("/y/*.log");
  a.Files().Excluded().push_back("*.bak");
  a.Files().SetMasks({"a;b"});
  a.Files().SetLocations({"/z;w"});
  a.Files().SetSubfolders(false);
  a.Files().SetMinLevel(2);
  a.Files().SetMaxLevel(3);
  a.Attribute().SetExactMatch(true);
  a.AttributeEx().SetHidden(fsUnset);
  a.TimeStamp().SetModifiedAfter(39000);
  a.Size().SetMax(100);
  a.Content().SetPhrase("Abc");
  a.Content().SetIgnoreCase(false);
  a.Content().SetWholeWord(true);

  SearchCriteria b;
  FileCriteria* ownedFiles = &b.Files();
  b.Assign(a);
  EXPECT_EQ(&b.Files(), ownedFiles);
  EXPECT_EQ(b.Files().FileName(), "*.tmp");
  EXPECT_EQ(b.Files().Included(), StringList{"/y/*.log"});
  EXPECT_EQ(b.Files().Excluded(), StringList{"*.bak"});
  EXPECT_EQ(b.Files().Masks(), StringList{"a;b"});
  EXPECT_EQ(b.Files().Locations(), StringList{"/z;w"});
  EXPECT_FALSE(b.Files().Subfolders());
  EXPECT_EQ(b.Files().MaxLevel(), 3);
  EXPECT_TRUE(b.Attribute().ExactMatch());
  EXPECT_EQ(b.AttributeEx().Hidden(), fsUnset);
  EXPECT_EQ(b.TimeStamp().ModifiedAfter(), 39000);
  EXPECT_EQ(b.Size().Max(), 100);
  EXPECT_EQ(b.Content().SearchText(), "Abc");
  EXPECT_EQ(&b.Content().CharMap(), &IdentityMap);
  EXPECT_TRUE(b.Content().WholeWord());

  // The copy is independent of its source.
  a.Files().Excluded().clear();
  EXPECT_EQ(b.Files().Excluded().size(), 1u);
}

TEST(SearchCriteria, AssignFromAnotherClassOrNothingFailsAndChangesNothing) {
  FileCriteria files;
  files.SetFileName("*.keep");
  SizeCriteria size;
  try {
    files.Assign(&size);
    FAIL() << "no error";
  } catch (const NorvaneError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a SizeCriteria to a FileCriteria");
  }
  try {
    files.Assign(nullptr);
    FAIL() << "no error";
  } catch (const NorvaneError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a nil to a FileCriteria");
  }
  EXPECT_EQ(files.FileName(), "*.keep");
  SearchCriteria whole;
  EXPECT_THROW(whole.Assign(&files), NorvaneError);
}

TEST(ContentCriteria, SettersKeepDerivedValuesCurrent) {
  ContentCriteria c;
  c.SetPhrase("MiXeD 9");
  EXPECT_EQ(c.PhraseLen(), 7);
  EXPECT_EQ(c.SearchText(), "mixed 9");
  c.SetIgnoreCase(false);
  EXPECT_EQ(c.SearchText(), "MiXeD 9");
  EXPECT_EQ(&c.CharMap(), &IdentityMap);
  c.SetIgnoreCase(true);
  EXPECT_EQ(c.SearchText(), "mixed 9");
  c.SetPhrase("");
  EXPECT_EQ(c.PhraseLen(), 0);
  // Non-ASCII bytes are never folded.
  c.SetPhrase("\xC3\x84X");
  EXPECT_EQ(c.SearchText(), "\xC3\x84x");
}

TEST(AttributeCriteria, SetTestWithAndWithoutExactMatch) {
  AttributeCriteria c;
  c.SetAttributes({ffArchive});
  EXPECT_TRUE(c.Matches(0x20));
  EXPECT_TRUE(c.Matches(0x00));
  EXPECT_FALSE(c.Matches(0x21));
  EXPECT_TRUE(c.Matches(0x20 | 0x400 | 0x200));  // flags outside the five never count
  c.SetExactMatch(true);
  EXPECT_TRUE(c.Matches(0x20));
  EXPECT_FALSE(c.Matches(0x00));

  AttributeCriteria empty;
  empty.SetAttributes({});
  for (bool exact : {false, true}) {
    empty.SetExactMatch(exact);
    EXPECT_TRUE(empty.Matches(0x0));
    EXPECT_TRUE(empty.Matches(0x800));
    EXPECT_FALSE(empty.Matches(0x2));
  }

  AttributeCriteria defaults;
  EXPECT_TRUE(defaults.Matches(0x27));
  EXPECT_FALSE(defaults.Matches(0x10));
  FileAttributes withDirs = defaults.Attributes();
  withDirs.Include(ffDirectory);
  defaults.SetAttributes(withDirs);
  EXPECT_EQ(defaults.Mask(), 0x37u);
  EXPECT_TRUE(defaults.Matches(0x12));
}

TEST(AttributeCriteriaEx, TriStatesShareTwoMasks) {
  AttributeCriteriaEx c;
  c.SetHidden(fsSet);
  c.SetHidden(fsUnset);
  EXPECT_EQ(c.Hidden(), fsUnset);
  EXPECT_EQ(c.SetMask(), 0u);
  EXPECT_EQ(c.ClearMask(), 0x2u);
  c.SetTemporary(fsSet);
  c.SetReparsePoint(fsSet);
  EXPECT_EQ(c.SetMask(), 0x500u);
  EXPECT_TRUE(c.Matches(0x500 | 0x20));
  EXPECT_FALSE(c.Matches(0x100));
  EXPECT_FALSE(c.Matches(0x502));
  c.SetHidden(fsIgnore);
  EXPECT_EQ(c.ClearMask(), 0u);
  EXPECT_TRUE(AttributeCriteriaEx().Matches(0xFFFFFFFF));
}

TEST(SizeCriteria, InclusiveSignedBoundsAcrossFourGibibytes) {
  SizeCriteria c;
  c.SetMin(1);
  EXPECT_FALSE(c.Matches(0));
  EXPECT_TRUE(c.Matches(1));
  EXPECT_TRUE(c.Matches(INT64_C(1) << 40));
  c.SetMin(100);
  c.SetMax(100);
  EXPECT_FALSE(c.Matches(99));
  EXPECT_TRUE(c.Matches(100));
  EXPECT_FALSE(c.Matches(101));
  const std::int64_t fourGiB = INT64_C(4294967296);
  c.SetMin(fourGiB);
  c.SetMax(0);
  EXPECT_FALSE(c.Matches(fourGiB - 1));
  EXPECT_TRUE(c.Matches(fourGiB));
  c.SetMin(0);
  c.SetMax(fourGiB);
  EXPECT_TRUE(c.Matches(fourGiB));
  EXPECT_FALSE(c.Matches(fourGiB + 1));
}

TEST(DateTimeCriteria, EachBoundChoosesItsGranularity) {
  const double may1 = 39569;  // 2008-05-01
  const double lateMay1 = may1 + (23.0 * 60 + 59) / 1440;
  EXPECT_TRUE(IsDateBetween(lateMay1, may1, 0));  // date-only Before covers the day
  EXPECT_FALSE(IsDateBetween(may1 + 1.01, may1, 0));
  const double noon = 0.5;
  EXPECT_TRUE(IsDateBetween(40000 + 0.3, noon, 0));  // time-only: any morning
  EXPECT_FALSE(IsDateBetween(40000 + 0.7, noon, 0));
  EXPECT_TRUE(IsDateBetween(40000.5, 40000.5, 40000.5));  // inclusive on both sides
  EXPECT_FALSE(IsDateBetween(40000.25, 40000.5, 40000.3));
  EXPECT_TRUE(IsDateBetween(may1 + 0.01, 0, may1));  // date-only After counts the day
  // Before earlier than After passes nothing.
  for (double v : {may1 - 1, may1, may1 + 0.5, may1 + 2}) {
    EXPECT_FALSE(IsDateBetween(v, may1 - 1, may1 + 1));
  }
}

TEST(DateTimeCriteria, UnsetPairsAreSkippedAndSetPairsConvertLocally) {
  DateTimeCriteria c;
  EXPECT_TRUE(c.Matches(0, 0, 0));
  // A file written at 2020-01-02 12:00 UTC: within a day either way of the local date.
  const FileTime written = (INT64_C(1577966400) + INT64_C(11644473600)) * 10000000;
  c.SetModifiedAfter(43832 - 1);   // 2020-01-01
  c.SetModifiedBefore(43832 + 1);  // 2020-01-03
  EXPECT_TRUE(c.Matches(0, written, 0));
  c.SetModifiedBefore(43832 - 2);
  EXPECT_FALSE(c.Matches(0, written, 0));
}

TEST(ListRules, SplitListTrimsAndDropsEmptyAndRepeatedPieces) {
  EXPECT_TRUE(SplitList(";;").empty());
  EXPECT_TRUE(SplitList("").empty());
  EXPECT_EQ(SplitList(" a ; A ;b "), (StringList{"a", "b"}));
  EXPECT_EQ(SplitList("*.tmp; *.bak;;*.TMP;"), (StringList{"*.tmp", "*.bak"}));
  EXPECT_EQ(SplitList("\t*.log\n"), StringList{"*.log"});
  // Folders differing in case are two folders on Linux.
  EXPECT_EQ(SplitList("/data/A;/data/a;/data/A", true), (StringList{"/data/A", "/data/a"}));
}

TEST(ListRules, FolderPrefixes) {
  std::string item = "<C:/A";
  EXPECT_FALSE(ParseFolderPrefix(item, true));
  EXPECT_EQ(item, "C:/A");
  item = ">/b";
  EXPECT_TRUE(ParseFolderPrefix(item, false));
  EXPECT_EQ(item, "/b");
  item = "/c";
  EXPECT_FALSE(ParseFolderPrefix(item, false));
  EXPECT_EQ(item, "/c");
  item = "";
  EXPECT_TRUE(ParseFolderPrefix(item, true));
}

}  // namespace
}  // namespace norvane
