#include "core/search/find_file.h"

#include <cstdio>
#include <thread>

#include "core/search/search_thread.h"
#include "core/search/search_walk.h"
#include "platform/errors.h"

namespace norvane {

namespace {

// Leaves the lock on every way out of a handler call.
class LockHolder {
 public:
  explicit LockHolder(std::recursive_mutex& m) : m_(m) {}
  ~LockHolder() { m_.unlock(); }

 private:
  std::recursive_mutex& m_;
};

void showOnStandardError(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

}  // namespace

FindFile::FindFile(std::shared_ptr<DirectoryReader> reader, EventLoop* eventLoop)
    : reader_(reader ? std::move(reader) : makeHostDirectoryReader()),
      eventLoop_(eventLoop),
      errorDisplay_(showOnStandardError),
      alive_(std::make_shared<FindFile*>(this)) {}

FindFile::~FindFile() {
  destroying_ = true;
  if (busy_) Abort();
  // Wait for a worker still walking; its completion, posted for later, finds the component
  // gone and does nothing.
  searchThread_.reset();
  alive_.reset();
}

void FindFile::SetDirectoryReader(std::shared_ptr<DirectoryReader> reader) {
  reader_ = reader ? std::move(reader) : makeHostDirectoryReader();
}

void FindFile::DoSearchBegin() {
  if (OnSearchBegin && !destroying_) OnSearchBegin(this);
}

void FindFile::DoSearchFinish() {
  if (OnSearchFinish && !destroying_) OnSearchFinish(this);
}

void FindFile::DoSearchAbort() {
  if (OnSearchAbort && !destroying_) OnSearchAbort(this);
}

FolderIgnore FindFile::DoFolderChange(const std::string& Folder) {
  FolderIgnore ignore = fiNone;
  if (!aborted_ && OnFolderChange) {
    lock_.lock();
    LockHolder holder(lock_);
    // An Abort that got the lock first has had its event: no handler may start after it.
    if (!aborted_) OnFolderChange(this, Folder, ignore);
  }
  return ignore;
}

void FindFile::DoFileMatch(const std::string& Folder, const SearchRecord& FileInfo) {
  if (aborted_ || !OnFileMatch) return;
  lock_.lock();
  LockHolder holder(lock_);
  if (!aborted_) OnFileMatch(this, Folder, FileInfo);
}

bool FindFile::AcceptFile(const std::string& Folder, const SearchRecord& FileInfo) {
  if (aborted_) return false;
  return targetSearch_->Matches(Folder, FileInfo, currentDirectory_);
}

void FindFile::Execute() {
  if (busy_) return;
  BeginSearch();
  if (!threaded_) {
    try {
      SearchTargets();
    } catch (...) {
      EndSearch();
      throw;
    }
    EndSearch();
    return;
  }
  try {
    if (!eventLoop_) throw NorvaneError("A threaded search needs an event loop");
    std::weak_ptr<FindFile*> alive = alive_;
    searchThread_ = std::make_unique<SearchThread>(this, *eventLoop_, [alive]() {
      if (auto self = alive.lock()) (*self)->finishThreadedSearch();
    });
  } catch (...) {
    EndSearch();
    throw;
  }
}

void FindFile::Abort() {
  if (!busy_ || aborted_) return;
  aborted_ = true;
  // A handler running on another thread holds the lock: keep this thread's messages moving
  // until it is done. The lock is re-entrant, so an Abort from inside a handler on this
  // thread goes straight through.
  while (!lock_.try_lock()) {
    if (eventLoop_) eventLoop_->pumpMessages();
    std::this_thread::yield();
  }
  LockHolder holder(lock_);
  DoSearchAbort();
}

void FindFile::BeginSearch() {
  busy_ = true;
  aborted_ = false;
  try {
    targetSearch_ = std::make_unique<SearchSnapshot>(criteria_, reader_->currentDirectory());
    DoSearchBegin();
  } catch (...) {
    // A failing start leaves the component idle again rather than busy for good.
    EndSearch();
    throw;
  }
}

void FindFile::EndSearch() {
  struct Reset {
    FindFile* self;
    ~Reset() {
      self->targetSearch_.reset();
      self->currentTarget_ = nullptr;
      self->busy_ = false;
    }
  } reset{this};
  DoSearchFinish();
}

void FindFile::SearchTargets() {
  SearchWalk walk(*this, *reader_, packages_, readAhead_);
  walk.run();
}

void FindFile::finishThreadedSearch() {
  std::string error;
  if (searchThread_) {
    searchThread_->WaitFor();
    error = searchThread_->ErrorText();
    searchThread_.reset();
  }
  if (!error.empty() && errorDisplay_) errorDisplay_(error);
  EndSearch();
}

}  // namespace norvane
