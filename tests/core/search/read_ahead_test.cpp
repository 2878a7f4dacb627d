// The search with read-ahead reports exactly what it reports without: the same folders and
// matches in the same order, on the same threads, whatever the tree, the criteria, the skips
// and the moment of an abort. Folders that list slowly shuffle the threads' progress.
#include "core/search/read_ahead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <random>
#include <set>
#include <thread>

#include "core/search/find_file.h"
#include "core/search/search_walk.h"
#include "support/queue_event_loop.h"
#include "support/search/fake_directory_reader.h"

namespace norvane {
namespace {

using Lines = std::vector<std::string>;
using test::FakeDirectoryReader;
using test::FakeNode;
using test::QueueEventLoop;
using namespace std::chrono_literals;

// Budgets far below the defaults, so that the buffer and the open folders run full.
ReadAheadOptions tight(unsigned threads) {
  ReadAheadOptions options;
  options.threads = threads;
  options.bufferBytes = 8 * 1024;
  options.openFolders = 5;
  return options;
}

ReadAheadOptions roomy(unsigned threads) {
  ReadAheadOptions options = ReadAheadOptions::defaults();
  options.threads = threads;
  return options;
}

const char* const kNames[] = {"plain.txt", "a b.tmp",   "-lead.tmp", "new\nline.log",    ".hidden",
                              "~x.doc",    "UPPER.TMP", "noext",     "\xe4\xb8\xad.tmp", "y.log"};

// A tree of a few hundred folders: odd names, unreadable folders, other mounts, entries whose
// kind the listing leaves open, a few slow folders, and a chain deeper than the walk keeps
// open, with a sibling at every level.
void grow(FakeNode& node, std::mt19937& rng, int depth, int& folders) {
  std::uniform_int_distribution<int> percent(0, 99);
  const int files = percent(rng) % 7;
  for (int i = 0; i < files; ++i) {
    node.file(std::to_string(i) + kNames[percent(rng) % 10], "some text " + std::to_string(i));
    if (percent(rng) < 10) node.children.back()->unknownKind = true;
  }
  const int subfolders = depth > 4 ? 0 : percent(rng) % (6 - depth);
  for (int i = 0; i < subfolders && folders < 400; ++i) {
    FakeNode& child = node.dir(std::string(kNames[percent(rng) % 10]) + " d" + std::to_string(i));
    ++folders;
    const int roll = percent(rng);
    if (roll < 5) child.unreadable = true;
    if (roll >= 5 && roll < 8) child.otherMount = true;
    if (roll >= 8 && roll < 18) child.unknownKind = true;
    if (roll >= 18 && roll < 26) child.listDelay = std::chrono::microseconds(percent(rng) * 20);
    grow(child, rng, depth + 1, folders);
  }
}

std::shared_ptr<FakeDirectoryReader> makeTree(unsigned seed) {
  auto fs = std::make_shared<FakeDirectoryReader>();
  std::mt19937 rng(seed);
  int folders = 0;
  FakeNode& t = fs->root.dir("t");
  grow(t, rng, 0, folders);
  FakeNode* level = &t.dir("deep");
  for (int i = 0; i < 150; ++i) {
    level->file("f" + std::to_string(i) + ".tmp");
    level->dir("side").file("s.log");
    level = &level->dir("d");
  }
  level->file("bottom.tmp");
  fs->root.dir("u").file("u.tmp").dir("v").file("v.log");
  return fs;
}

// One search's events as lines, each folder and match with the thread it came on.
struct Events {
  Lines log;
  std::set<std::thread::id> eventThreads;
};

using Criteria = std::function<void(FindFile&)>;

Events search(const std::shared_ptr<FakeDirectoryReader>& fs, const Criteria& setup,
              const ReadAheadOptions& readAhead) {
  Events run;
  FindFile find(fs);
  find.OnSearchBegin = [&](FindFile*) { run.log.push_back("begin"); };
  find.OnSearchAbort = [&](FindFile*) { run.log.push_back("abort"); };
  find.OnSearchFinish = [&](FindFile*) { run.log.push_back("finish"); };
  find.OnFolderChange = [&](FindFile*, const std::string& folder, FolderIgnore&) {
    run.log.push_back("folder " + folder);
    run.eventThreads.insert(std::this_thread::get_id());
  };
  find.OnFileMatch = [&](FindFile*, const std::string& folder, const SearchRecord& r) {
    run.log.push_back("match " + folder + r.Name + " " + std::to_string(r.Size) + " " +
                      std::to_string(r.Attr));
    run.eventThreads.insert(std::this_thread::get_id());
  };
  find.Criteria().Files().SetLocation("/t;/u");
  setup(find);
  find.SetReadAhead(readAhead);
  find.Execute();
  return run;
}

// Handlers installed by a setup run inside the recording ones.
void wrapFolderEvent(FindFile& find,
                     std::function<void(FindFile*, const std::string&, FolderIgnore&)> extra) {
  find.OnFolderChange = [before = find.OnFolderChange, extra](
                            FindFile* s, const std::string& folder, FolderIgnore& ignore) {
    if (before) before(s, folder, ignore);
    extra(s, folder, ignore);
  };
}

void expectSameWithReadAhead(const Criteria& setup, unsigned seed) {
  auto fs = makeTree(seed);
  const Events plain = search(fs, setup, ReadAheadOptions::off());
  ASSERT_GE(plain.log.size(), 4u);
  for (const ReadAheadOptions& options : {tight(1), tight(3), roomy(2), roomy(8)}) {
    const Events ahead = search(fs, setup, options);
    EXPECT_EQ(ahead.log, plain.log)
        << "threads " << options.threads << ", buffer " << options.bufferBytes;
    EXPECT_EQ(ahead.eventThreads, std::set<std::thread::id>{std::this_thread::get_id()});
  }
}

TEST(ReadAhead, ReportsTheSameForEveryKindOfCriteria) {
  const std::vector<std::pair<const char*, Criteria>> cases = {
      {"every file", [](FindFile&) {}},
      {"masks and folders",
       [](FindFile& f) {
         f.Criteria().Files().SetFileName("*.tmp;~*.*;*.LOG;noext");
         FileAttributes attributes = f.Criteria().Attribute().Attributes();
         attributes.Include(ffDirectory);
         f.Criteria().Attribute().SetAttributes(attributes);
       }},
      {"level window",
       [](FindFile& f) {
         f.Criteria().Files().SetMinLevel(2);
         f.Criteria().Files().SetMaxLevel(3);
       }},
      {"targets without sub-folders and missing ones",
       [](FindFile& f) {
         f.Criteria().Files().SetLocation("/t/deep;</t;/missing;/u/v;/u");
         f.Criteria().Files().Included().push_back("/t/*.tmp");
       }},
      {"content", [](FindFile& f) { f.Criteria().Content().SetPhrase("text 3"); }},
  };
  for (const auto& [name, setup] : cases) {
    SCOPED_TRACE(name);
    expectSameWithReadAhead(setup, 11);
  }
}

TEST(ReadAhead, SkippingAnyFolderInAnyWayReportsTheSame) {
  for (unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    expectSameWithReadAhead(
        [seed](FindFile& f) {
          wrapFolderEvent(f, [seed](FindFile*, const std::string& folder, FolderIgnore& ignore) {
            if (folder == "/t/") return;
            const std::size_t roll = (std::hash<std::string>()(folder) + seed) % 7;
            if (roll == 1) ignore = fiJustThis;
            if (roll == 2) ignore = fiJustSubfolders;
            if (roll == 3) ignore = fiThisAndSubfolders;
          });
        },
        seed);
  }
}

TEST(ReadAhead, AbortAtAnyMomentReportsTheSame) {
  for (int stopAt : {1, 2, 7, 30, 90, 200}) {
    SCOPED_TRACE(stopAt);
    expectSameWithReadAhead(
        [stopAt](FindFile& f) {
          auto seen = std::make_shared<int>(0);
          wrapFolderEvent(f, [stopAt, seen](FindFile* s, const std::string&, FolderIgnore&) {
            if (++*seen == stopAt) s->Abort();
          });
          f.OnFileMatch = [before = f.OnFileMatch, stopAt, seen](
                              FindFile* s, const std::string& folder, const SearchRecord& r) {
            before(s, folder, r);
            if (++*seen == stopAt + 1000) s->Abort();
          };
        },
        5);
  }
}

TEST(ReadAhead, NeverReadsBelowTheLevelLimit) {
  auto fs = std::make_shared<FakeDirectoryReader>();
  FakeNode* level = &fs->root.dir("t");
  std::vector<FakeNode*> levels;
  for (int i = 0; i < 8; ++i) {
    level->file("x.tmp");
    level->dir("side").dir("below");
    levels.push_back(level);
    level = &level->dir("d");
  }
  FindFile find(fs);
  find.SetReadAhead(roomy(4));
  find.Criteria().Files().SetLocation("/t");
  find.Criteria().Files().SetMaxLevel(3);
  find.Execute();
  // Levels 1 to 3 are listed, once each; nothing of level 4 or deeper ever is.
  for (int i = 0; i < 8; ++i) EXPECT_EQ(levels[i]->listed, i < 3 ? 1 : 0) << "level " << i + 1;
  EXPECT_EQ(levels[1]->children[1]->listed, 1);               // /t/d/side, level 3
  EXPECT_EQ(levels[2]->children[1]->children[0]->listed, 0);  // /t/d/d/side/below, level 5
}

TEST(ReadAhead, ASkippedFolderIsNotReadFurther) {
  auto fs = std::make_shared<FakeDirectoryReader>();
  FakeNode& t = fs->root.dir("t");
  FakeNode& skipped = t.dir("skipped");
  for (int i = 0; i < 40; ++i) {
    FakeNode& child = skipped.dir("c" + std::to_string(i));
    child.listDelay = 100ms;
    child.dir("grandchild").file("g.tmp");
  }
  t.dir("after").file("a.tmp");
  const unsigned threads = 4;
  FindFile find(fs);
  find.SetReadAhead(roomy(threads));
  find.Criteria().Files().SetLocation("/t");
  Lines folders;
  find.OnFolderChange = [&](FindFile*, const std::string& folder, FolderIgnore& ignore) {
    folders.push_back(folder);
    if (folder == "/t/skipped/") ignore = fiThisAndSubfolders;
  };
  find.Execute();
  EXPECT_EQ(folders, (Lines{"/t/", "/t/skipped/", "/t/after/"}));
  // Reads begun before the skip are finished and dropped; none begins after it.
  int childrenRead = 0;
  for (auto& child : skipped.children) {
    childrenRead += child->listed;
    EXPECT_EQ(child->children[0]->listed, 0);
  }
  EXPECT_LE(childrenRead, static_cast<int>(threads));
}

TEST(ReadAhead, KeepsTheOpenFoldersWithinItsBudgetOnADeepTree) {
  auto fs = makeTree(3);
  const ReadAheadOptions options = tight(3);
  const Events plain = search(
      fs, [](FindFile&) {}, ReadAheadOptions::off());
  fs->activity.mostOpenFolders = 0;
  EXPECT_EQ(search(
                fs, [](FindFile&) {}, options)
                .log,
            plain.log);
  // The chain is 150 folders deep; the walk keeps its budget open, the read-ahead its own,
  // and each thread one more at most.
  EXPECT_LE(
      fs->activity.mostOpenFolders,
      static_cast<int>(SearchWalk::kOpenFolderBudget + options.openFolders + options.threads + 2));
  EXPECT_EQ(fs->activity.openFolders, 0);
}

TEST(ReadAhead, EventsOfAThreadedSearchStayOnItsThread) {
  auto fs = makeTree(7);
  QueueEventLoop loop;
  for (const ReadAheadOptions& options : {ReadAheadOptions::off(), roomy(4)}) {
    FindFile find(fs, &loop);
    find.SetThreaded(true);
    find.SetReadAhead(options);
    find.Criteria().Files().SetLocation("/t");
    std::set<std::thread::id> walkThreads;
    std::thread::id beginThread, finishThread;
    std::atomic<bool> finished{false};
    find.OnSearchBegin = [&](FindFile*) { beginThread = std::this_thread::get_id(); };
    find.OnFolderChange = [&](FindFile*, const std::string&, FolderIgnore&) {
      walkThreads.insert(std::this_thread::get_id());
    };
    find.OnFileMatch = [&](FindFile*, const std::string&, const SearchRecord&) {
      walkThreads.insert(std::this_thread::get_id());
    };
    find.OnSearchFinish = [&](FindFile*) {
      finishThread = std::this_thread::get_id();
      finished = true;
    };
    find.Execute();
    ASSERT_TRUE(loop.pumpUntil([&] { return finished.load(); }));
    EXPECT_EQ(beginThread, std::this_thread::get_id());
    EXPECT_EQ(finishThread, std::this_thread::get_id());
    ASSERT_EQ(walkThreads.size(), 1u);
    EXPECT_NE(*walkThreads.begin(), std::this_thread::get_id());
  }
}

TEST(ReadAhead, MoreThreadsReadOnlyWhileReadsWait) {
  // 400 folders side by side; the walk and two quiet threads read at most three at once.
  auto fs = std::make_shared<FakeDirectoryReader>();
  FakeNode& t = fs->root.dir("t");
  for (int i = 0; i < 400; ++i) t.dir("d" + std::to_string(i)).file("x.tmp");
  ReadAheadOptions options = roomy(8);
  options.quietThreads = 2;
  const Lines plain = search(fs, [](FindFile&) {}, ReadAheadOptions::off()).log;

  fs->activity.mostListing = 0;
  EXPECT_EQ(search(fs, [](FindFile&) {}, options).log, plain);
  EXPECT_LE(fs->activity.mostListing, 3);

  // Reads that wait for storage bring the other threads in.
  fs->activity.listDelay = 2ms;
  fs->activity.mostListing = 0;
  EXPECT_EQ(search(fs, [](FindFile&) {}, options).log, plain);
  EXPECT_GT(fs->activity.mostListing, 3);
}

TEST(ReadAhead, AbortStopsTheThreadsAtOnce) {
  // 400 folders of 20 ms each: read through, even on eight threads, a second or more.
  auto fs = std::make_shared<FakeDirectoryReader>();
  FakeNode& t = fs->root.dir("t");
  for (int i = 0; i < 20; ++i) {
    FakeNode& a = t.dir("a" + std::to_string(i));
    for (int j = 0; j < 20; ++j) a.dir("b" + std::to_string(j)).file("x.tmp");
  }
  fs->activity.listDelay = 20ms;
  QueueEventLoop loop;
  FindFile find(fs, &loop);
  find.SetThreaded(true);
  find.SetReadAhead(roomy(8));
  find.Criteria().Files().SetLocation("/t");
  std::atomic<int> foldersSeen{0};
  std::atomic<bool> finished{false};
  find.OnFolderChange = [&](FindFile*, const std::string&, FolderIgnore&) { ++foldersSeen; };
  find.OnSearchFinish = [&](FindFile*) { finished = true; };
  find.Execute();
  ASSERT_TRUE(loop.pumpUntil([&] { return foldersSeen >= 3; }));
  const auto stopped = std::chrono::steady_clock::now();
  find.Abort();
  const int listsAtAbort = fs->activity.lists;
  ASSERT_TRUE(loop.pumpUntil([&] { return finished.load(); }));
  const auto took = std::chrono::steady_clock::now() - stopped;
  // The reads in flight end; none begins after them, before or after the search finished.
  EXPECT_LT(took, 500ms);
  const int listsAtFinish = fs->activity.lists;
  EXPECT_LE(listsAtFinish - listsAtAbort, 9);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(fs->activity.lists, listsAtFinish);
  EXPECT_EQ(fs->activity.openFolders, 0);
}

}  // namespace
}  // namespace norvane
