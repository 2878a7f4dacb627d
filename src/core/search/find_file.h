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

#include "core/search/assignable.h"
#include "core/search/read_ahead_options.h"
#include "core/search/search_criteria.h"
#include "core/search/search_record.h"
#include "core/search/search_snapshot.h"
#include "core/search/search_types.h"
#include "platform/directory_reader.h"
#include "platform/event_loop.h"
#include "platform/package_files.h"

namespace norvane {

class SearchWalk;
class SearchThread;

class FindFile : public Assignable {
 public:
  using NotifyEvent = std::function<void(FindFile* Sender)>;
  using FileMatchEvent = std::function<void(FindFile* Sender, const std::string& Folder,
                                            const SearchRecord& FileInfo)>;
  using FolderChangeEvent =
      std::function<void(FindFile* Sender, const std::string& Folder, FolderIgnore& IgnoreFolder)>;

  // `reader` null: the host's enumeration. `eventLoop` (not owned) pumps messages while Abort
  // waits and carries a threaded search's end back to the creating thread.
  explicit FindFile(std::shared_ptr<DirectoryReader> reader = nullptr,
                    EventLoop* eventLoop = nullptr);
  ~FindFile() override;
  FindFile(const FindFile&) = delete;
  FindFile& operator=(const FindFile&) = delete;

  const char* ClassName() const override { return "FindFile"; }

  SearchCriteria& Criteria() { return criteria_; }
  const SearchCriteria& Criteria() const { return criteria_; }
  void SetCriteria(const SearchCriteria& value) { criteria_.Assign(&value); }
  bool Threaded() const { return threaded_; }
  void SetThreaded(bool value) { threaded_ = value; }
  SearchThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(SearchThreadPriority value) { threadPriority_ = value; }

  FileMatchEvent OnFileMatch;
  FolderChangeEvent OnFolderChange;
  NotifyEvent OnSearchBegin;
  NotifyEvent OnSearchFinish;
  NotifyEvent OnSearchAbort;

  // Starts a search; does nothing while one runs.
  void Execute();
  // Stops the running search; does nothing when idle or already stopped.
  void Abort();
  bool Busy() const { return busy_; }
  bool Aborted() const { return aborted_; }

  void SetEventLoop(EventLoop* eventLoop) { eventLoop_ = eventLoop; }
  void SetDirectoryReader(std::shared_ptr<DirectoryReader> reader);
  // The installed packages, whose regular files carry the system attribute. Read once per
  // search, and only when the criteria test that attribute for a file that is otherwise a
  // match. Null (the default): no file is a package's.
  void SetPackageDatabase(std::shared_ptr<PackageDatabase> packages) {
    packages_ = std::move(packages);
  }
  // Threads that list folders ahead of the walk (off by default). What the search reports, and
  // in which order and on which thread, is the same either way; a running search keeps the
  // options it started with.
  void SetReadAhead(const ReadAheadOptions& options) { readAhead_ = options; }
  const ReadAheadOptions& ReadAhead() const { return readAhead_; }
  // Shows an error raised on the worker thread; called on the creating thread. By default
  // the text goes to standard error.
  void SetErrorDisplay(std::function<void(const std::string&)> display) {
    errorDisplay_ = std::move(display);
  }

  // Depth of the folder being walked (a target is 1) and the target being walked.
  std::uint32_t Level() const { return level_; }
  const TargetFolder* CurrentTarget() const { return currentTarget_; }
  const SearchSnapshot* TargetSearch() const { return targetSearch_.get(); }

 protected:
  virtual void DoSearchBegin();
  virtual void DoSearchFinish();
  virtual void DoSearchAbort();
  virtual FolderIgnore DoFolderChange(const std::string& Folder);
  virtual void DoFileMatch(const std::string& Folder, const SearchRecord& FileInfo);
  virtual bool AcceptFile(const std::string& Folder, const SearchRecord& FileInfo);

 private:
  friend class SearchWalk;
  friend class SearchThread;

  void BeginSearch();
  void EndSearch();
  void SearchTargets();
  void finishThreadedSearch();

  SearchCriteria criteria_;
  bool threaded_ = false;
  SearchThreadPriority threadPriority_ = tpNormal;
  std::shared_ptr<DirectoryReader> reader_;
  std::shared_ptr<PackageDatabase> packages_;
  ReadAheadOptions readAhead_;
  EventLoop* eventLoop_;
  std::function<void(const std::string&)> errorDisplay_;

  std::atomic<bool> busy_{false};
  std::atomic<bool> aborted_{false};
  bool destroying_ = false;
  std::uint32_t level_ = 0;
  std::unique_ptr<SearchSnapshot> targetSearch_;
  const TargetFolder* currentTarget_ = nullptr;
  Directory* currentDirectory_ = nullptr;  // the open folder being walked, for content tests
  std::unique_ptr<SearchThread> searchThread_;
  std::recursive_mutex lock_;
  // Lets a completion posted by the worker notice that the component is gone.
  std::shared_ptr<FindFile*> alive_;
};

}  // namespace norvane
