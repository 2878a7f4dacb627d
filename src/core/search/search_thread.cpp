#include "core/search/search_thread.h"

#include <exception>

#include "core/search/find_file.h"
#include "platform/event_loop.h"
#include "platform/thread_priority.h"

namespace norvane {

namespace {

int platformPriority(SearchThreadPriority priority) {
  switch (priority) {
    case tpIdle:
      return -15;
    case tpLowest:
      return -2;
    case tpLower:
      return -1;
    case tpNormal:
      return 0;
    case tpHigher:
      return 1;
    case tpHighest:
      return 2;
    case tpTimeCritical:
      return 15;
  }
  return 0;
}

}  // namespace

SearchThread::SearchThread(FindFile* findFile, EventLoop& loop, std::function<void()> completion)
    : search_(findFile) {
  thread_ = std::thread([this, &loop, completion = std::move(completion)]() mutable {
    Execute(loop, std::move(completion));
  });
}

SearchThread::~SearchThread() { WaitFor(); }

void SearchThread::WaitFor() {
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void SearchThread::Execute(EventLoop& loop, std::function<void()> completion) {
  setCurrentThreadPriority(platformPriority(search_->ThreadPriority()));
  try {
    search_->SearchTargets();
  } catch (const std::exception& e) {
    errorText_ = e.what();
  } catch (...) {
    errorText_ = "Unknown error in the search thread";
  }
  loop.post(std::move(completion));
}

}  // namespace norvane
