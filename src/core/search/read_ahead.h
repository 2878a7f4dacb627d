#pragma once
// Read-ahead below the walk: threads open and list the folders the walk will enter next, in the
// walk's own order, with the very calls the walk would make (open relative to the parent,
// never through a link nor into another mount; the same look-ups), so that storage which
// answers several reads at once gets them. The walk takes each folder's opening and contents
// when it gets there, and opens and lists a folder itself when nobody has begun to; what it
// reports, and in which order, does not depend on the read-ahead.
//
// Only a few threads read while reads are answered from memory; the others join while reads
// wait for storage, judged from the reads of the last moments.
//
// The read-ahead keeps a tree of nodes: the folders the walk is in (root to deepest), and below
// and beside them the folders read ahead or still to read. Threads pick the first folder still
// to read in the walk's order, within the buffer's bytes and the open-folder budget.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/search/folder_contents.h"
#include "core/search/read_ahead_options.h"
#include "core/search/target_folder.h"
#include "platform/directory_reader.h"

namespace norvane {

class ReadAhead {
 public:
  struct Node;

  // Starts the threads. Once `stop` is set (the search was aborted) nothing more is read.
  ReadAhead(const ReadAheadOptions& options, const std::atomic<bool>& stop);
  // Stops the threads and waits for them; one in the middle of a read finishes that call.
  ~ReadAhead();
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // A new target, whose root folder the walk opened as `root` (null: it could not). Gives the
  // root's node; the threads begin with its contents.
  Node* beginTarget(const TargetFolder& target, std::shared_ptr<Directory> root);
  // The walk comes to the sub-folder at `entry` of `parent`'s listing; the sub-folders before it
  // that the walk passed over are dropped. Gives the sub-folder's node.
  Node* enter(Node* parent, std::uint32_t entry);

  struct Opened {
    OpenResult result = OpenResult::Unreadable;
    std::shared_ptr<Directory> folder;  // Opened: the sub-folder, for the walk to keep
    bool listed = false;                // its contents were read ahead
  };
  // Opens the sub-folder of `node` (named `name` in `parent`, which the walk has open) as
  // openIndependentChild does, or takes the read-ahead's opening and, when they were read, its
  // contents into `contents`. Waits for a read in progress; a read not begun is made here.
  Opened open(Node* node, Directory* parent, const char* name, FolderContents& contents);
  // The contents of a folder the walk already has open (a root): true when read ahead.
  bool take(Node* node, FolderContents& contents);
  // The walk listed `node`'s folder itself, open as `folder` and listed in `listing`, and walks
  // the sub-folders at `subfolders` next: they are read ahead from here on.
  void adopt(Node* node, std::shared_ptr<Directory> folder, const DirectoryListing& listing,
             const std::vector<std::uint32_t>& subfolders);
  // Nothing more below `node` is read ahead; the walk opens its remaining sub-folders itself.
  void dropBelow(Node* node);
  // The walk is done with `node`'s folder.
  void leave(Node* node);

 private:
  struct Job;
  struct Result;

  void work(unsigned index);
  // Waits until `node` is neither still to read nor being read, reading what it can meanwhile.
  void settle(std::unique_lock<std::mutex>& lock, Node* node);
  void readHere(std::unique_lock<std::mutex>& lock, Node* node);
  Node* pick();
  Node* firstQueuedBelow(Node* top);
  Job startJob(Node* node);
  // Reads the job's folder; `waited` tells whether the thread waited meanwhile.
  Result read(Job& job, bool& waited);
  Result readFolderOf(Job& job);
  // Keeps `contents`' buffers for a later read, if there is room; leaves it empty.
  void keepSpare(FolderContents& contents);
  // Hands the contents of `node`, which is Ready, to the walk in `contents`.
  void takeReady(Node* node, FolderContents& contents);
  // Counts a read towards the choice of how many threads read.
  void noteRead(bool waited);
  void finish(const Job& job, Result& result);
  void addChildren(Node* node, const DirectoryListing& listing,
                   const std::vector<std::uint32_t>& subfolders);
  void drop(std::shared_ptr<Node> top);
  void dropChildren(Node* node);
  void addActive(Node* from, int delta);
  void holdHandle(Node* node, std::shared_ptr<Directory> folder);
  void releaseHandle(Node* node);
  void releaseWhenDone(Node* node);
  // Wakes one idle thread when there is something it may read.
  void wakeWorker();
  void recount(Node* node);
  void noteBytes(std::ptrdiff_t delta);

  const ReadAheadOptions options_;
  const std::atomic<bool>& stop_;
  bool closing_ = false;
  const TargetFolder* target_ = nullptr;

  std::mutex mutex_;
  std::condition_variable work_;     // threads wait for a folder to read
  std::condition_variable reserve_;  // threads beyond the quiet ones wait for reads to wait
  std::condition_variable read_;  // the walk waits for a read in progress
  std::shared_ptr<Node> root_;
  Node* current_ = nullptr;  // the deepest folder the walk is in
  std::size_t bytes_ = 0;
  std::size_t openFolders_ = 0;
  std::size_t queued_ = 0;  // folders still to read
  unsigned idle_ = 0;       // threads waiting for something to read
  unsigned quietThreads_ = 0;
  bool wide_ = false;            // all threads read
  unsigned sampledReads_ = 0;    // reads since the last choice, and how many of them waited
  unsigned sampledWaits_ = 0;
  std::size_t jobsStarted_ = 0;
  std::vector<FolderContents> spares_;
  bool walkWaiting_ = false;
  struct Step {
    Node* node;
    std::size_t next;
  };
  std::vector<Step> scratch_;
  std::vector<std::thread> threads_;
};

}  // namespace norvane
