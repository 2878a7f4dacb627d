#pragma once
// The search component: takes a snapshot of its criteria, walks the target folders depth-first
// and reports folders and accepted entries through events, on the caller's thread or on a
// worker thread whose end is handed back through the event loop.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/directory_reader.h"
#include "platform/event_loop.h"
#include "core/search/persistent.h"
#include "core/search/search_criteria.h"
#include "core/search/search_rec.h"
#include "core/search/search_types.h"
#include "core/search/target_search.h"

namespace norvane {

class SearchWalk;
class TSearchThread;

class TFindFile : public TPersistent {
 public:
  using TNotifyEvent = std::function<void(TFindFile* Sender)>;
  using TFileMatchEvent =
      std::function<void(TFindFile* Sender, const std::string& Folder, const TSearchRec& FileInfo)>;
  using TFolderChangeEvent =
      std::function<void(TFindFile* Sender, const std::string& Folder, TFolderIgnore& IgnoreFolder)>;

  // `reader` null: the host's enumeration. `eventLoop` (not owned) pumps messages while Abort
  // waits and carries a threaded search's end back to the creating thread.
  explicit TFindFile(std::shared_ptr<DirectoryReader> reader = nullptr,
                     EventLoop* eventLoop = nullptr);
  ~TFindFile() override;
  TFindFile(const TFindFile&) = delete;
  TFindFile& operator=(const TFindFile&) = delete;

  const char* ClassName() const override { return "TFindFile"; }

  TSearchCriteria& Criteria() { return criteria_; }
  const TSearchCriteria& Criteria() const { return criteria_; }
  void SetCriteria(const TSearchCriteria& value) { criteria_.Assign(&value); }
  bool Threaded() const { return threaded_; }
  void SetThreaded(bool value) { threaded_ = value; }
  TThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(TThreadPriority value) { threadPriority_ = value; }

  TFileMatchEvent OnFileMatch;
  TFolderChangeEvent OnFolderChange;
  TNotifyEvent OnSearchBegin;
  TNotifyEvent OnSearchFinish;
  TNotifyEvent OnSearchAbort;

  // Starts a search; does nothing while one runs.
  void Execute();
  // Stops the running search; does nothing when idle or already stopped.
  void Abort();
  bool Busy() const { return busy_; }
  bool Aborted() const { return aborted_; }

  void SetEventLoop(EventLoop* eventLoop) { eventLoop_ = eventLoop; }
  void SetDirectoryReader(std::shared_ptr<DirectoryReader> reader);
  // Shows an error raised on the worker thread; called on the creating thread. By default
  // the text goes to standard error.
  void SetErrorDisplay(std::function<void(const std::string&)> display) {
    errorDisplay_ = std::move(display);
  }

  // Depth of the folder being walked (a target is 1) and the target being walked.
  std::uint32_t Level() const { return level_; }
  const TTargetFolder* CurrentTarget() const { return currentTarget_; }
  const TTargetSearch* TargetSearch() const { return targetSearch_.get(); }

 protected:
  virtual void DoSearchBegin();
  virtual void DoSearchFinish();
  virtual void DoSearchAbort();
  virtual TFolderIgnore DoFolderChange(const std::string& Folder);
  virtual void DoFileMatch(const std::string& Folder, const TSearchRec& FileInfo);
  virtual bool AcceptFile(const std::string& Folder, const TSearchRec& FileInfo);

 private:
  friend class SearchWalk;
  friend class TSearchThread;

  void BeginSearch();
  void EndSearch();
  void SearchTargets();
  void finishThreadedSearch();

  TSearchCriteria criteria_;
  bool threaded_ = false;
  TThreadPriority threadPriority_ = tpNormal;
  std::shared_ptr<DirectoryReader> reader_;
  EventLoop* eventLoop_;
  std::function<void(const std::string&)> errorDisplay_;

  std::atomic<bool> busy_{false};
  std::atomic<bool> aborted_{false};
  bool destroying_ = false;
  std::uint32_t level_ = 0;
  std::unique_ptr<TTargetSearch> targetSearch_;
  const TTargetFolder* currentTarget_ = nullptr;
  Directory* currentDirectory_ = nullptr;  // the open folder being walked, for content tests
  std::unique_ptr<TSearchThread> searchThread_;
  std::recursive_mutex lock_;
  // Lets a completion posted by the worker notice that the component is gone.
  std::shared_ptr<TFindFile*> alive_;
};

}  // namespace norvane
