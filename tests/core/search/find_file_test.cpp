// The search component on an in-memory tree: targets, walk order, levels, folder skipping,
// and the acceptance tests in the walk.
#include "core/search/find_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/search/fake_directory_reader.h"
#include "support/search/search_recorder.h"

namespace norvane {
namespace {

using Lines = std::vector<std::string>;
using test::FakeDirectoryReader;
using test::SearchRecorder;

class FindFileTest : public ::testing::Test {
 protected:
  FindFileTest() : fs(std::make_shared<FakeDirectoryReader>()), find(fs) {
    // /a: x.tmp, sub1/(y.tmp, deep/z.tmp), ~w.tmp, sub2/(v.log), k.txt
    auto& a = fs->root.dir("a");
    a.file("x.tmp", "hello world");
    auto& sub1 = a.dir("sub1");
    sub1.file("y.tmp");
    sub1.dir("deep").file("z.tmp");
    a.file("~w.tmp");
    a.dir("sub2").file("v.log");
    a.file("k.txt", "no greeting");
    fs->root.dir("b").file("b.tmp");
  }
  FileCriteria& files() { return find.Criteria().Files(); }

  std::shared_ptr<FakeDirectoryReader> fs;
  FindFile find;
};

TEST_F(FindFileTest, FolderIsAnnouncedThenItsMatchesThenSubfoldersDepthFirst) {
  SearchRecorder rec(find);
  files().SetLocation("/a");
  files().SetFileName("*.tmp");
  find.Execute();
  EXPECT_EQ(rec.log, (Lines{"begin", "folder /a/", "match /a/x.tmp", "match /a/~w.tmp",
                            "folder /a/sub1/", "match /a/sub1/y.tmp", "folder /a/sub1/deep/",
                            "match /a/sub1/deep/z.tmp", "folder /a/sub2/", "finish"}));
  EXPECT_FALSE(find.Busy());
}

TEST_F(FindFileTest, LastMaskIsServedFirstAndAnEntryMatchedTwiceIsReportedTwice) {
  SearchRecorder rec(find);
  files().SetLocation("/a");
  files().SetFileName("*.tmp;~*.*");
  files().SetSubfolders(false);
  find.Execute();
  EXPECT_EQ(rec.matches(), (Lines{"/a/~w.tmp", "/a/x.tmp", "/a/~w.tmp"}));
}

TEST_F(FindFileTest, OneTargetPerFolderAndTargetsInOrderOfNaming) {
  SearchRecorder rec(find);
  files().SetLocation("/b;/a/sub1/;/b/");
  files().Included() = {"/a/sub2/*.log", "/a/sub2/*.txt"};
  find.Execute();
  // Included lines come first; "/b" and "/b/" are one target, walked once.
  EXPECT_EQ(rec.folders(), (Lines{"/a/sub2/", "/b/", "/a/sub1/", "/a/sub1/deep/"}));
  EXPECT_EQ(fs->opened["/b/"], 1);
}

TEST_F(FindFileTest, IncludedLinesAccumulateMasksAndBareFolderMeansEverything) {
  SearchRecorder rec(find);
  files().Included() = {"/a/sub1/*.tmp", "/a/sub1/*.nothing", "</a/sub2/"};
  find.Execute();
  EXPECT_EQ(rec.matches(), (Lines{"/a/sub1/y.tmp", "/a/sub1/deep/z.tmp", "/a/sub2/v.log"}));
}

TEST_F(FindFileTest, FolderPrefixesOverrideSubfolders) {
  SearchRecorder rec(find);
  files().SetSubfolders(false);
  files().SetLocation("</a;>/b");
  find.Execute();
  EXPECT_EQ(rec.folders(), (Lines{"/a/", "/b/"}));
  files().SetLocation("</b;>/a");
  rec.log.clear();
  find.Execute();
  EXPECT_EQ(rec.folders(), (Lines{"/b/", "/a/", "/a/sub1/", "/a/sub1/deep/", "/a/sub2/"}));
}

TEST_F(FindFileTest, LevelsLimitFilesAndDepth) {
  SearchRecorder rec(find);
  files().SetLocation("/a");
  files().SetFileName("*.tmp");
  files().SetMaxLevel(1);
  find.Execute();
  EXPECT_EQ(rec.folders(), Lines{"/a/"});
  rec.log.clear();
  files().SetMaxLevel(2);
  find.Execute();
  EXPECT_EQ(rec.folders(), (Lines{"/a/", "/a/sub1/", "/a/sub2/"}));
  rec.log.clear();
  files().SetMaxLevel(0);
  files().SetMinLevel(2);
  find.Execute();
  EXPECT_EQ(rec.folders().size(), 4u);  // still announced and walked
  EXPECT_EQ(rec.matches(), (Lines{"/a/sub1/y.tmp", "/a/sub1/deep/z.tmp"}));
}

TEST_F(FindFileTest, FolderHandlerSkipsFilesSubfoldersOrBoth) {
  files().SetLocation("/a");
  files().SetFileName("*.tmp");
  for (FolderIgnore answer : {fiThisAndSubfolders, fiJustThis, fiJustSubfolders}) {
    SearchRecorder rec(find);
    auto record = find.OnFolderChange;
    find.OnFolderChange = [&](FindFile* s, const std::string& folder, FolderIgnore& ignore) {
      record(s, folder, ignore);
      if (folder == "/a/sub1/") ignore = answer;
    };
    find.Execute();
    Lines folders = rec.folders();
    Lines matches = rec.matches();
    auto has = [](const Lines& l, const std::string& s) {
      return std::find(l.begin(), l.end(), s) != l.end();
    };
    EXPECT_TRUE(has(folders, "/a/sub1/"));
    EXPECT_EQ(has(matches, "/a/sub1/y.tmp"), answer == fiJustSubfolders) << answer;
    EXPECT_EQ(has(folders, "/a/sub1/deep/"), answer == fiJustThis) << answer;
    EXPECT_EQ(has(matches, "/a/sub1/deep/z.tmp"), answer == fiJustThis) << answer;
    EXPECT_TRUE(has(matches, "/a/x.tmp"));
    EXPECT_TRUE(has(folders, "/a/sub2/"));
  }
}

TEST_F(FindFileTest, MissingUnreadableAndForeignFolders) {
  SearchRecorder rec(find);
  fs->root.children[0]->children[1]->unreadable = true;  // /a/sub1
  fs->root.children[0]->children[3]->otherMount = true;  // /a/sub2
  files().SetLocation("/nowhere;/a");
  find.Execute();
  // A missing target and an unreadable folder are announced and give nothing; another mount
  // is never entered.
  EXPECT_EQ(rec.folders(), (Lines{"/nowhere/", "/a/", "/a/sub1/"}));
  EXPECT_EQ(rec.matches(), (Lines{"/a/x.tmp", "/a/~w.tmp", "/a/k.txt"}));
}

TEST_F(FindFileTest, NoTargetsGiveBeginAndFinishOnly) {
  SearchRecorder rec(find);
  files().SetLocation(" ; ;");
  find.Execute();
  EXPECT_EQ(rec.log, (Lines{"begin", "finish"}));
}

TEST_F(FindFileTest, FoldersReportedOnlyWhenAskedAndNeverByContentSearches) {
  SearchRecorder rec(find);
  files().SetLocation("/a");
  files().SetFileName("sub*;*1");
  files().SetSubfolders(false);
  find.Execute();
  EXPECT_TRUE(rec.matches().empty());
  FileAttributes attributes = find.Criteria().Attribute().Attributes();
  attributes.Include(ffDirectory);
  find.Criteria().Attribute().SetAttributes(attributes);
  rec.log.clear();
  find.Execute();
  EXPECT_EQ(rec.matches(), (Lines{"/a/sub1", "/a/sub1", "/a/sub2"}));
  find.Criteria().Content().SetPhrase("e");
  rec.log.clear();
  find.Execute();
  EXPECT_TRUE(rec.matches().empty());
}

TEST_F(FindFileTest, AcceptanceTestsInTheWalk) {
  SearchRecorder rec(find);
  files().SetLocation("/a");
  files().SetSubfolders(false);
  find.Criteria().Content().SetPhrase("WORLD");
  find.Execute();
  EXPECT_EQ(rec.matches(), Lines{"/a/x.tmp"});

  rec.log.clear();
  find.Criteria().Content().SetPhrase("");
  find.Criteria().Size().SetMin(1);
  find.Execute();
  EXPECT_EQ(rec.matches(), (Lines{"/a/x.tmp", "/a/k.txt"}));

  rec.log.clear();
  find.Criteria().Size().SetMin(0);
  files().Excluded() = {"/a/*.tmp", "nomatch/"};
  find.Execute();
  EXPECT_EQ(rec.matches(), Lines{"/a/k.txt"});
}

TEST_F(FindFileTest, MatchRecordCarriesSizeAttributesAndTime) {
  files().SetLocation("/a");
  files().SetFileName("x.tmp");
  SearchRecord seen;
  find.OnFileMatch = [&](FindFile*, const std::string&, const SearchRecord& r) { seen = r; };
  find.Execute();
  EXPECT_EQ(seen.Name, "x.tmp");
  EXPECT_EQ(seen.FindData.cFileName, "x.tmp");
  EXPECT_EQ(seen.Size, 11);
  EXPECT_EQ(seen.FindData.nFileSizeLow, 11u);
  EXPECT_EQ(seen.Attr, kFileAttributeArchive);
  EXPECT_NE(seen.Time, 0);
  EXPECT_GE((seen.Time >> 25) & 0x7F, 38);  // 2018 or later, as the fixture's file time
}

TEST_F(FindFileTest, CriteriaChangedDuringASearchAffectOnlyLaterSearches) {
  SearchRecorder rec(find);
  files().SetLocation("/b");
  auto begin = find.OnSearchBegin;
  find.OnSearchBegin = [&](FindFile* s) {
    begin(s);
    s->Criteria().Files().SetLocation("/a");
  };
  find.Execute();
  EXPECT_EQ(rec.folders(), Lines{"/b/"});
}

}  // namespace
}  // namespace norvane
