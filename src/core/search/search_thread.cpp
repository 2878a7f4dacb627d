#include "core/search/search_thread.h"

#include <exception>

#include "platform/event_loop.h"
#include "platform/thread_priority.h"
#include "core/search/find_file.h"

namespace norvane {

namespace {

int platformPriority(TThreadPriority priority) {
  switch (priority) {
    case tpIdle: return -15;
    case tpLowest: return -2;
    case tpLower: return -1;
    case tpNormal: return 0;
    case tpHigher: return 1;
    case tpHighest: return 2;
    case tpTimeCritical: return 15;
  }
  return 0;
}

}  // namespace

TSearchThread::TSearchThread(TFindFile* findFile, EventLoop& loop,
                             std::function<void()> completion)
    : FindFile(findFile) {
  thread_ = std::thread([this, &loop, completion = std::move(completion)]() mutable {
    Execute(loop, std::move(completion));
  });
}

TSearchThread::~TSearchThread() { WaitFor(); }

void TSearchThread::WaitFor() {
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void TSearchThread::Execute(EventLoop& loop, std::function<void()> completion) {
  setCurrentThreadPriority(platformPriority(FindFile->ThreadPriority()));
  try {
    FindFile->SearchTargets();
  } catch (const std::exception& e) {
    errorText_ = e.what();
  } catch (...) {
    errorText_ = "Unknown error in the search thread";
  }
  loop.post(std::move(completion));
}

}  // namespace norvane
