#include "core/search/find_file.h"

#include <cstdio>
#include <thread>

#include "platform/errors.h"
#include "core/search/search_thread.h"
#include "core/search/search_walk.h"

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

void showOnStandardError(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace

TFindFile::TFindFile(std::shared_ptr<DirectoryReader> reader, EventLoop* eventLoop)
    : reader_(reader ? std::move(reader) : makeHostDirectoryReader()),
      eventLoop_(eventLoop),
      errorDisplay_(showOnStandardError),
      alive_(std::make_shared<TFindFile*>(this)) {}

TFindFile::~TFindFile() {
  destroying_ = true;
  if (busy_) Abort();
  // Wait for a worker still walking; its completion, posted for later, finds the component
  // gone and does nothing.
  searchThread_.reset();
  alive_.reset();
}

void TFindFile::SetDirectoryReader(std::shared_ptr<DirectoryReader> reader) {
  reader_ = reader ? std::move(reader) : makeHostDirectoryReader();
}

void TFindFile::DoSearchBegin() {
  if (OnSearchBegin && !destroying_) OnSearchBegin(this);
}

void TFindFile::DoSearchFinish() {
  if (OnSearchFinish && !destroying_) OnSearchFinish(this);
}

void TFindFile::DoSearchAbort() {
  if (OnSearchAbort && !destroying_) OnSearchAbort(this);
}

TFolderIgnore TFindFile::DoFolderChange(const std::string& Folder) {
  TFolderIgnore ignore = fiNone;
  if (!aborted_ && OnFolderChange) {
    lock_.lock();
    LockHolder holder(lock_);
    // An Abort that got the lock first has had its event: no handler may start after it.
    if (!aborted_) OnFolderChange(this, Folder, ignore);
  }
  return ignore;
}

void TFindFile::DoFileMatch(const std::string& Folder, const TSearchRec& FileInfo) {
  if (aborted_ || !OnFileMatch) return;
  lock_.lock();
  LockHolder holder(lock_);
  if (!aborted_) OnFileMatch(this, Folder, FileInfo);
}

bool TFindFile::AcceptFile(const std::string& Folder, const TSearchRec& FileInfo) {
  if (aborted_) return false;
  return targetSearch_->Matches(Folder, FileInfo, currentDirectory_);
}

void TFindFile::Execute() {
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
    std::weak_ptr<TFindFile*> alive = alive_;
    searchThread_ = std::make_unique<TSearchThread>(this, *eventLoop_, [alive]() {
      if (auto self = alive.lock()) (*self)->finishThreadedSearch();
    });
  } catch (...) {
    EndSearch();
    throw;
  }
}

void TFindFile::Abort() {
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

void TFindFile::BeginSearch() {
  busy_ = true;
  aborted_ = false;
  try {
    targetSearch_ = std::make_unique<TTargetSearch>(criteria_, reader_->currentDirectory());
    DoSearchBegin();
  } catch (...) {
    // A failing start leaves the component idle again rather than busy for good.
    EndSearch();
    throw;
  }
}

void TFindFile::EndSearch() {
  struct Reset {
    TFindFile* self;
    ~Reset() {
      self->targetSearch_.reset();
      self->currentTarget_ = nullptr;
      self->busy_ = false;
    }
  } reset{this};
  DoSearchFinish();
}

void TFindFile::SearchTargets() {
  SearchWalk walk(*this, *reader_);
  walk.run();
}

void TFindFile::finishThreadedSearch() {
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
