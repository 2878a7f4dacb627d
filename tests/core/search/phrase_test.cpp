// The phrase search inside files: block boundaries, whole words, case, large files.
#include <gtest/gtest.h>

#include "core/search/content_criteria.h"
#include "core/search/file_contains_phrase.h"
#include "core/search/search_types.h"
#include "support/search/memory_file.h"
#include "support/temp_dir.h"

namespace norvane {
namespace {

using test::MemoryFile;

bool contains(ReadableFile& file, const std::string& phrase, bool wholeWord = false,
              bool ignoreCase = true) {
  ContentCriteria c;
  c.SetPhrase(phrase);
  c.SetIgnoreCase(ignoreCase);
  c.SetWholeWord(wholeWord);
  return c.MatchesFile(&file);
}

bool contains(const std::string& content, const std::string& phrase, bool wholeWord = false,
              bool ignoreCase = true) {
  MemoryFile file(content);
  return contains(file, phrase, wholeWord, ignoreCase);
}

TEST(Phrase, WholeWordBoundaries) {
  EXPECT_TRUE(contains("abc", "abc", true));
  EXPECT_TRUE(contains("x abc.", "abc", true));
  EXPECT_TRUE(contains("the end abc", "abc", true));
  EXPECT_FALSE(contains("abcd", "abc", true));
  EXPECT_FALSE(contains("xabc", "abc", true));
  EXPECT_TRUE(contains("xabc abc", "abc", true));  // a later whole word still counts
  EXPECT_TRUE(contains("abcd", "abc", false));
  EXPECT_TRUE(contains("aab", "ab"));  // a failed candidate does not hide an overlapping one
}

TEST(Phrase, CaseFoldingOnlyWhenAsked) {
  EXPECT_TRUE(contains("xx abc yy", "ABC"));
  EXPECT_FALSE(contains("xx abc yy", "ABC", false, false));
  EXPECT_TRUE(contains("xx ABC yy", "ABC", false, false));
}

TEST(Phrase, EmptyPhrasePassesWithoutOpeningAndUnreadableFilesFail) {
  ContentCriteria c;
  EXPECT_TRUE(c.Matches("/no/such/file/anywhere"));
  EXPECT_TRUE(c.MatchesFile(nullptr));
  c.SetPhrase("x");
  EXPECT_FALSE(c.Matches("/no/such/file/anywhere"));
  EXPECT_FALSE(c.MatchesFile(nullptr));
}

TEST(Phrase, PhraseLongerThanTheFileIsNotRead) {
  MemoryFile file("abc");
  EXPECT_FALSE(contains(file, "abcd"));
  EXPECT_EQ(file.reads, 0);
}

TEST(Phrase, StraddlingTwoBlocksIsFound) {
  const std::int64_t block = kPhraseBlockSize;
  for (std::int64_t start = block - 5; start <= block; ++start) {
    MemoryFile file(3 * block, ' ', start, "needle");
    EXPECT_TRUE(contains(file, "needle")) << start;
  }
  MemoryFile wholeWord(3 * block, ' ', block - 3, "needle");
  EXPECT_TRUE(contains(wholeWord, "needle", true));
}

TEST(Phrase, MatchEndingAtABlockEndIsDecidedByTheNextBlock) {
  const std::int64_t block = kPhraseBlockSize;
  MemoryFile followedByLetter(2 * block, 'q', block - 4, " abc");
  EXPECT_FALSE(contains(followedByLetter, "abc", true));
  MemoryFile followedBySpace(2 * block, ' ', block - 3, "abc");
  EXPECT_TRUE(contains(followedBySpace, "abc", true));
  // At the very end of the file the end closes the word.
  MemoryFile atEnd(2 * block, 'q', 2 * block - 4, " abc");
  EXPECT_TRUE(contains(atEnd, "abc", true));
}

TEST(Phrase, PhraseAsLongAsABlockStillGetsItsWholeWordTest) {
  const std::int64_t block = kPhraseBlockSize;
  std::string phrase(static_cast<std::size_t>(block), 'z');
  MemoryFile wordContinues(block + 10, 'z', 0, phrase);
  EXPECT_FALSE(contains(wordContinues, phrase, true));
  MemoryFile wordEnds(block + 10, ' ', 0, phrase);
  EXPECT_TRUE(contains(wordEnds, phrase, true));
}

TEST(Phrase, ReadFailureGivesNoMatch) {
  MemoryFile file(4 * kPhraseBlockSize, ' ', 3 * kPhraseBlockSize, "late");
  file.failAfter = 1;
  EXPECT_FALSE(contains(file, "late"));
}

TEST(Phrase, FilesBeyondTwoAndFourGibibytes) {
  const std::int64_t big = (INT64_C(1) << 31) + 4096;
  MemoryFile file(big, 0, big - 100, "tail marker");
  EXPECT_TRUE(contains(file, "MARKER"));
  EXPECT_GE(file.bytesRead, big - 100 + 11);
  MemoryFile absent(big, 0, 0, "");
  EXPECT_FALSE(contains(absent, "x"));
  EXPECT_EQ(absent.bytesRead, big);
}

TEST(Phrase, RealFileByPath) {
  test::TempDir dir;
  std::string path = dir.writeFile("doc.txt", "Hello, World.\n");
  ContentCriteria c;
  c.SetPhrase("world");
  c.SetWholeWord(true);
  EXPECT_TRUE(c.Matches(path));
  c.SetPhrase("worl");
  EXPECT_FALSE(c.Matches(path));
}

}  // namespace
}  // namespace norvane
