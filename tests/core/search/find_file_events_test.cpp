// Abort from every event, re-entrant Execute, failing handlers and the threaded mode.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "core/search/find_file.h"
#include "support/queue_event_loop.h"
#include "support/search/fake_directory_reader.h"
#include "support/search/search_recorder.h"

namespace norvane {
namespace {

using Lines = std::vector<std::string>;
using test::FakeDirectoryReader;
using test::QueueEventLoop;
using test::SearchRecorder;

std::shared_ptr<FakeDirectoryReader> makeTree() {
  auto fs = std::make_shared<FakeDirectoryReader>();
  auto& a = fs->root.dir("a");
  a.file("1.tmp").file("2.tmp");
  a.dir("s").file("3.tmp");
  fs->root.dir("b").file("4.tmp");
  return fs;
}

class EventsTest : public ::testing::Test {
 protected:
  EventsTest() : fs(makeTree()), find(fs, &loop), rec(find) {
    find.Criteria().Files().SetLocation("/a;/b");
  }
  QueueEventLoop loop;
  std::shared_ptr<FakeDirectoryReader> fs;
  FindFile find;
  SearchRecorder rec;
};

TEST_F(EventsTest, AbortFromAMatchStopsEverythingAndFinishFollows) {
  find.OnFileMatch = [&](FindFile* s, const std::string& folder, const SearchRecord& r) {
    rec.log.push_back("match " + folder + r.Name);
    s->Abort();
    rec.log.push_back("returned");
    EXPECT_TRUE(s->Aborted());
  };
  find.Execute();
  EXPECT_EQ(rec.log,
            (Lines{"begin", "folder /a/", "match /a/1.tmp", "abort", "returned", "finish"}));
  EXPECT_FALSE(find.Busy());
  EXPECT_TRUE(find.Aborted());
}

TEST_F(EventsTest, AbortFromAFolderEventAndFromBegin) {
  find.OnFolderChange = [&](FindFile* s, const std::string& folder, FolderIgnore&) {
    rec.log.push_back("folder " + folder);
    if (folder == "/a/s/") s->Abort();
  };
  find.Execute();
  EXPECT_EQ(rec.log, (Lines{"begin", "folder /a/", "match /a/1.tmp", "match /a/2.tmp",
                            "folder /a/s/", "abort", "finish"}));

  rec.log.clear();
  find.OnSearchBegin = [&](FindFile* s) {
    rec.log.push_back("begin");
    s->Abort();
  };
  find.Execute();
  EXPECT_EQ(rec.log, (Lines{"begin", "abort", "finish"}));
  EXPECT_TRUE(find.Aborted());
}

TEST_F(EventsTest, AbortWhileIdleOrTwiceDoesNothing) {
  find.Abort();
  EXPECT_TRUE(rec.log.empty());
  int aborts = 0;
  find.OnSearchAbort = [&](FindFile*) { ++aborts; };
  find.OnFileMatch = [&](FindFile* s, const std::string&, const SearchRecord&) {
    s->Abort();
    s->Abort();
  };
  find.Execute();
  EXPECT_EQ(aborts, 1);
  // The next search starts afresh.
  find.OnFileMatch = nullptr;
  find.Execute();
  EXPECT_FALSE(find.Aborted());
  EXPECT_EQ(aborts, 1);
}

TEST_F(EventsTest, ExecuteInsideASearchDoesNothing) {
  int begins = 0;
  find.OnSearchBegin = [&](FindFile*) { ++begins; };
  find.OnFileMatch = [&](FindFile* s, const std::string&, const SearchRecord&) { s->Execute(); };
  find.OnSearchFinish = [&](FindFile* s) {
    EXPECT_TRUE(s->Busy());
    s->Execute();
  };
  find.Execute();
  EXPECT_EQ(begins, 1);
  EXPECT_FALSE(find.Busy());
}

TEST_F(EventsTest, FailingHandlerUnwindsFinishesAndReachesTheCaller) {
  find.OnFileMatch = [&](FindFile*, const std::string&, const SearchRecord& r) {
    if (r.Name == "3.tmp") throw std::runtime_error("handler failed");
  };
  EXPECT_THROW(find.Execute(), std::runtime_error);
  EXPECT_EQ(rec.log.back(), "finish");
  EXPECT_FALSE(find.Busy());
  // The lock was left: an abort from another thread would not hang, and searches go on.
  find.OnFileMatch = nullptr;
  rec.log.clear();
  find.Execute();
  EXPECT_EQ(rec.folders(), (Lines{"/a/", "/a/s/", "/b/"}));
}

TEST_F(EventsTest, FailingBeginOrFinishLeavesTheComponentIdle) {
  find.OnSearchBegin = [](FindFile*) { throw std::runtime_error("begin"); };
  EXPECT_THROW(find.Execute(), std::runtime_error);
  EXPECT_FALSE(find.Busy());
  find.OnSearchBegin = nullptr;
  find.OnSearchFinish = [](FindFile*) { throw std::runtime_error("finish"); };
  EXPECT_THROW(find.Execute(), std::runtime_error);
  EXPECT_FALSE(find.Busy());
}

TEST_F(EventsTest, ThreadedSearchFinishesOnTheCreatingThread) {
  find.SetThreaded(true);
  find.SetThreadPriority(tpLower);
  const auto creator = std::this_thread::get_id();
  std::atomic<bool> matchOnWorker{true};
  std::thread::id finishThread;
  find.OnFileMatch = [&](FindFile*, const std::string&, const SearchRecord&) {
    if (std::this_thread::get_id() == creator) matchOnWorker = false;
  };
  find.OnSearchFinish = [&](FindFile* s) {
    finishThread = std::this_thread::get_id();
    EXPECT_TRUE(s->Busy());
  };
  find.Execute();
  EXPECT_TRUE(find.Busy());
  ASSERT_TRUE(loop.pumpUntil([&] { return !find.Busy(); }));
  EXPECT_TRUE(matchOnWorker);
  EXPECT_EQ(finishThread, creator);
}

TEST_F(EventsTest, ThreadedAbortWaitsForTheRunningHandlerWhilePumping) {
  find.SetThreaded(true);
  std::atomic<bool> inHandler{false};
  std::atomic<bool> release{false};
  std::atomic<int> matchesAfterAbort{0};
  std::atomic<bool> aborted{false};
  find.OnFileMatch = [&](FindFile*, const std::string&, const SearchRecord&) {
    if (aborted) ++matchesAfterAbort;
    inHandler = true;
    while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    inHandler = false;
  };
  find.OnSearchAbort = [&](FindFile*) {
    EXPECT_FALSE(inHandler.load());  // never overlaps a handler
    aborted = true;
  };
  find.Execute();
  ASSERT_TRUE(loop.pumpUntil([&] { return inHandler.load(); }));
  bool pumpedWhileWaiting = false;
  loop.post([&] {
    pumpedWhileWaiting = true;
    release = true;
  });
  find.Abort();
  EXPECT_TRUE(pumpedWhileWaiting);
  ASSERT_TRUE(loop.pumpUntil([&] { return !find.Busy(); }));
  EXPECT_EQ(matchesAfterAbort, 0);
  EXPECT_EQ(rec.log.back(), "finish");
}

TEST_F(EventsTest, ThreadedErrorsAreShownAndTheSearchStillFinishes) {
  find.SetThreaded(true);
  std::string shown;
  find.SetErrorDisplay([&](const std::string& text) { shown = text; });
  find.OnFolderChange = [](FindFile*, const std::string&, FolderIgnore&) {
    throw std::runtime_error("worker trouble");
  };
  find.Execute();
  ASSERT_TRUE(loop.pumpUntil([&] { return !find.Busy(); }));
  EXPECT_EQ(shown, "worker trouble");
  EXPECT_EQ(rec.log.back(), "finish");
}

TEST(ThreadedWithoutLoop, RefusesAndStaysIdle) {
  auto fs = makeTree();
  FindFile find(fs);
  find.SetThreaded(true);
  find.Criteria().Files().SetLocation("/a");
  bool finished = false;
  find.OnSearchFinish = [&](FindFile*) { finished = true; };
  EXPECT_THROW(find.Execute(), std::exception);
  EXPECT_TRUE(finished);
  EXPECT_FALSE(find.Busy());
}

TEST(ThreadedDestruction, DestroyingWhileRunningWaitsAndNeverCallsBack) {
  QueueEventLoop loop;
  auto fs = makeTree();
  std::atomic<int> aborts{0};
  int finishes = 0;
  {
    FindFile find(fs, &loop);
    find.SetThreaded(true);
    find.Criteria().Files().SetLocation("/a;/b");
    find.OnFileMatch = [](FindFile*, const std::string&, const SearchRecord&) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    };
    find.OnSearchAbort = [&](FindFile*) { ++aborts; };
    find.OnSearchFinish = [&](FindFile*) { ++finishes; };
    find.Execute();
  }
  loop.pumpMessages();  // the completion posted by the worker finds the component gone
  EXPECT_EQ(aborts, 0);
  EXPECT_EQ(finishes, 0);
}

}  // namespace
}  // namespace norvane
