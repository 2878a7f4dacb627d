#include "core/search/read_ahead.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "platform/thread_waits.h"

namespace norvane {

struct ReadAhead::Node : std::enable_shared_from_this<Node> {
  enum class State : std::uint8_t {
    Queued,     // still to read
    Reading,    // being read, by a thread or the walk
    Ready,      // opened and listed, not yet taken by the walk
    Unopened,   // the open failed as `openResult` says
    Abandoned,  // not read after all (stopped, or an error): the walk does it itself
    Taken,      // the walk has it, or opens it itself
  };

  Node* parent = nullptr;
  std::string name;
  std::uint32_t entry = 0;  // in the parent's listing
  std::uint32_t level = 1;  // a target is 1
  State state = State::Queued;
  OpenResult openResult = OpenResult::Unreadable;
  bool dropped = false;
  // The folder as opened: held for the walk until it takes it, and while sub-folders wait to
  // be opened from it.
  std::shared_ptr<Directory> handle;
  FolderContents contents;  // Ready: what was read
  std::size_t bytes = 0;    // counted in the buffer
  // Sub-folders to walk, in listing order; entered or passed ones are taken out.
  std::vector<std::shared_ptr<Node>> children;
  std::shared_ptr<Node> entered;  // the sub-folder the walk is in
  std::size_t nextChild = 0;      // first child the walk has neither entered nor passed
  std::size_t firstActive = 0;    // children before it have nothing left to read
  std::size_t unopened = 0;       // Queued children (they need `handle`)
  std::uint32_t active = 0;       // Queued or Reading nodes in this subtree, itself included

  // Children with nothing left to read never get anything again: skips them for good.
  void skipFinishedChildren() {
    while (firstActive < children.size() &&
           (!children[firstActive] || children[firstActive]->active == 0)) {
      ++firstActive;
    }
  }
};

struct ReadAhead::Job {
  std::shared_ptr<Node> node;
  std::shared_ptr<Directory> folder;  // already open (a root), or
  std::shared_ptr<Directory> parent;  // the parent to open it from
  std::string name;
  std::uint32_t level = 1;
  const TargetFolder* target = nullptr;
  bool sampled = false;      // tell whether the read waited
  FolderContents buffers;    // spare buffers to read into
};

struct ReadAhead::Result {
  bool complete = false;  // false: not read after all
  OpenResult opened = OpenResult::Unreadable;
  std::shared_ptr<Directory> folder;
  FolderContents contents;
  std::vector<std::uint32_t> subfolders;
};

namespace {

// How long the walk sleeps between looks at the abort flag while a folder is being read.
constexpr auto kAbortPoll = std::chrono::milliseconds(2);

// Whether a read waited is asked of one read in kSampleEvery (the question is a system call);
// kSampledReads of those make one choice of how many threads read, and all of them read once
// a quarter of those reads waited.
constexpr unsigned kSampleEvery = 8;
constexpr unsigned kSampledReads = 16;

// Buffers of folders the walk is done with are read into again, saving an allocation per
// folder; a few, and only small ones, are kept.
constexpr std::size_t kSpareBuffers = 16;
constexpr std::size_t kSpareBufferBytes = 64 * 1024;

}  // namespace

ReadAhead::ReadAhead(const ReadAheadOptions& options, const std::atomic<bool>& stop)
    : options_(options), stop_(stop) {
  quietThreads_ = options_.quietThreads == 0 ? options_.threads
                                             : std::min(options_.quietThreads, options_.threads);
  wide_ = quietThreads_ == options_.threads;
  spares_.reserve(kSpareBuffers);
  threads_.reserve(options_.threads);
  for (unsigned i = 0; i < options_.threads; ++i) threads_.emplace_back([this, i] { work(i); });
}

ReadAhead::~ReadAhead() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closing_ = true;
  }
  work_.notify_all();
  reserve_.notify_all();
  for (std::thread& thread : threads_) thread.join();
  std::lock_guard<std::mutex> lock(mutex_);
  if (root_) drop(std::move(root_));
}

ReadAhead::Node* ReadAhead::beginTarget(const TargetFolder& target,
                                        std::shared_ptr<Directory> root) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (root_) drop(std::move(root_));
  target_ = &target;
  root_ = std::make_shared<Node>();
  Node* node = root_.get();
  recount(node);
  if (root) {
    holdHandle(node, std::move(root));
    addActive(node, 1);
    ++queued_;
  } else {
    node->state = Node::State::Taken;
  }
  current_ = node;
  wakeWorker();
  return node;
}

ReadAhead::Node* ReadAhead::enter(Node* parent, std::uint32_t entry) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::shared_ptr<Node> found;
  std::size_t k = parent->nextChild;
  for (; k < parent->children.size(); ++k) {
    std::shared_ptr<Node>& child = parent->children[k];
    if (!child) continue;
    if (child->entry > entry) break;
    if (child->entry == entry) {
      found = std::move(child);
      ++k;
      break;
    }
    drop(std::move(child));  // passed over: the walk does not enter it
  }
  parent->nextChild = k;
  if (!found) {
    // Not read ahead: the walk opens it itself, and may adopt it.
    found = std::make_shared<Node>();
    found->parent = parent;
    found->entry = entry;
    found->level = parent->level + 1;
    found->state = Node::State::Taken;
    recount(found.get());
  }
  parent->entered = found;
  current_ = found.get();
  wakeWorker();
  return current_;
}

ReadAhead::Opened ReadAhead::open(Node* node, Directory* parent, const char* name,
                                  FolderContents& contents) {
  Opened opened;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    settle(lock, node);
    switch (node->state) {
      case Node::State::Ready:
        opened.result = OpenResult::Opened;
        opened.folder = node->handle;
        opened.listed = true;
        takeReady(node, contents);
        return opened;
      case Node::State::Unopened:
        node->state = Node::State::Taken;
        // Links and other mounts stay out; a folder that failed to open is tried once more
        // by the walk itself, so a passing failure of the read-ahead changes nothing.
        if (node->openResult == OpenResult::Skipped) {
          opened.result = OpenResult::Skipped;
          return opened;
        }
        break;
      case Node::State::Reading:  // only when stopped: the walk ends without it
        return opened;
      default:
        node->state = Node::State::Taken;
        break;
    }
  }
  if (!parent) return opened;
  std::unique_ptr<Directory> folder;
  opened.result = parent->openIndependentChild(name, folder);
  opened.folder = std::move(folder);
  return opened;
}

bool ReadAhead::take(Node* node, FolderContents& contents) {
  std::unique_lock<std::mutex> lock(mutex_);
  settle(lock, node);
  if (node->state == Node::State::Reading) return false;  // stopped
  if (node->state != Node::State::Ready) {
    node->state = Node::State::Taken;
    return false;
  }
  takeReady(node, contents);
  return true;
}

void ReadAhead::takeReady(Node* node, FolderContents& contents) {
  contents.swap(node->contents);
  keepSpare(node->contents);
  node->state = Node::State::Taken;
  releaseWhenDone(node);
  recount(node);
  wakeWorker();
}

void ReadAhead::adopt(Node* node, std::shared_ptr<Directory> folder,
                      const DirectoryListing& listing,
                      const std::vector<std::uint32_t>& subfolders) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (subfolders.empty() || stop_ || node->dropped || !node->children.empty()) return;
  if (!node->handle) holdHandle(node, std::move(folder));
  addChildren(node, listing, subfolders);
  recount(node);
  wakeWorker();
}

void ReadAhead::dropBelow(Node* node) {
  std::lock_guard<std::mutex> lock(mutex_);
  dropChildren(node);
}

void ReadAhead::leave(Node* node) {
  std::lock_guard<std::mutex> lock(mutex_);
  Node* parent = node->parent;
  std::shared_ptr<Node> holder = parent ? std::move(parent->entered) : std::move(root_);
  if (holder) drop(std::move(holder));
  current_ = parent;
  wakeWorker();
}

void ReadAhead::work(unsigned index) {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!closing_ && !stop_) {
    if (index >= quietThreads_ && !wide_) {
      reserve_.wait(lock);
      continue;
    }
    Node* node = pick();
    if (!node) {
      ++idle_;
      work_.wait(lock);
      --idle_;
      continue;
    }
    readHere(lock, node);
  }
}

void ReadAhead::settle(std::unique_lock<std::mutex>& lock, Node* node) {
  for (;;) {
    if (node->state == Node::State::Queued) {
      // Nobody has begun: read it here rather than wait.
      readHere(lock, node);
      continue;
    }
    if (node->state != Node::State::Reading || stop_) return;
    // Being read: rather than sleep, read the next folder still to read, if there is one.
    if (Node* next = pick()) {
      readHere(lock, next);
      continue;
    }
    walkWaiting_ = true;
    read_.wait_for(lock, kAbortPoll);
    walkWaiting_ = false;
  }
}

void ReadAhead::readHere(std::unique_lock<std::mutex>& lock, Node* node) {
  Job job = startJob(node);
  wakeWorker();  // one wakes the next while there is more to read
  lock.unlock();
  bool waited = false;
  Result result = read(job, waited);
  lock.lock();
  if (job.sampled) noteRead(waited);
  finish(job, result);
}

// The first folder still to read in the walk's order: the folder the walk is in, then below and
// after it, then after each folder above it.
ReadAhead::Node* ReadAhead::pick() {
  if (!current_ || bytes_ >= options_.bufferBytes || openFolders_ >= options_.openFolders) {
    return nullptr;
  }
  if (current_->state == Node::State::Queued) return current_;
  for (Node* level = current_; level; level = level->parent) {
    if (level->active == 0) continue;
    level->firstActive = std::max(level->firstActive, level->nextChild);
    level->skipFinishedChildren();
    for (std::size_t k = level->firstActive; k < level->children.size(); ++k) {
      Node* child = level->children[k].get();
      if (!child || child->active == 0) continue;
      if (Node* found = firstQueuedBelow(child)) return found;
    }
  }
  return nullptr;
}

ReadAhead::Node* ReadAhead::firstQueuedBelow(Node* top) {
  if (top->state == Node::State::Queued) return top;
  if (top->state != Node::State::Ready) return nullptr;
  scratch_.clear();
  scratch_.push_back(Step{top, 0});
  while (!scratch_.empty()) {
    Step& step = scratch_.back();
    Node* node = step.node;
    auto& children = node->children;
    node->skipFinishedChildren();
    step.next = std::max(step.next, node->firstActive);
    Node* next = nullptr;
    while (step.next < children.size()) {
      Node* child = children[step.next++].get();
      if (child && child->active > 0) {
        next = child;
        break;
      }
    }
    if (!next) {
      scratch_.pop_back();
      continue;
    }
    if (next->state == Node::State::Queued) return next;
    if (next->state == Node::State::Ready) scratch_.push_back(Step{next, 0});
  }
  return nullptr;
}

ReadAhead::Job ReadAhead::startJob(Node* node) {
  Job job;
  job.node = node->shared_from_this();
  job.name = node->name;
  job.level = node->level;
  job.target = target_;
  job.sampled = quietThreads_ < options_.threads && ++jobsStarted_ % kSampleEvery == 0;
  if (!spares_.empty()) {
    job.buffers.swap(spares_.back());
    spares_.pop_back();
  }
  node->state = Node::State::Reading;
  --queued_;
  if (node->handle) {
    job.folder = node->handle;  // a root, opened by the walk
  } else if (Node* parent = node->parent) {
    job.parent = parent->handle;
    --parent->unopened;
    releaseWhenDone(parent);
  }
  return job;
}

ReadAhead::Result ReadAhead::read(Job& job, bool& waited) {
  if (!job.sampled) return readFolderOf(job);
  const std::uint64_t waitsBefore = currentThreadWaits();
  Result result = readFolderOf(job);
  waited = currentThreadWaits() != waitsBefore;
  return result;
}

void ReadAhead::keepSpare(FolderContents& contents) {
  if (spares_.size() < kSpareBuffers && contents.memoryUsage() <= kSpareBufferBytes) {
    spares_.emplace_back().swap(contents);
  } else {
    FolderContents().swap(contents);
  }
}

void ReadAhead::noteRead(bool waited) {
  if (quietThreads_ == options_.threads) return;
  ++sampledReads_;
  if (waited) ++sampledWaits_;
  if (sampledReads_ < kSampledReads) return;
  const bool wide = sampledWaits_ * 4 >= sampledReads_;
  sampledReads_ = sampledWaits_ = 0;
  if (wide == wide_) return;
  wide_ = wide;
  if (wide) {
    reserve_.notify_all();
  } else {
    work_.notify_all();  // the threads beyond the quiet ones that wait here go back to reserve
  }
}

ReadAhead::Result ReadAhead::readFolderOf(Job& job) {
  Result result;
  result.contents.swap(job.buffers);
  result.contents.clear();  // keeps the buffers' room
  try {
    std::shared_ptr<Directory> folder = job.folder;
    if (!folder) {
      if (!job.parent) return result;
      std::unique_ptr<Directory> opened;
      result.opened = job.parent->openIndependentChild(job.name.c_str(), opened);
      if (result.opened != OpenResult::Opened) {
        result.complete = true;
        return result;
      }
      folder = std::move(opened);
    }
    result.opened = OpenResult::Opened;
    result.subfolders = readFolder(*folder, *job.target, folderNeeds(*job.target, job.level), stop_,
                                   result.contents);
    result.complete = !stop_;
    result.folder = std::move(folder);
  } catch (...) {
    result.complete = false;  // the walk reads it itself and meets the error there
  }
  return result;
}

void ReadAhead::finish(const Job& job, Result& result) {
  Node* node = job.node.get();
  if (walkWaiting_) read_.notify_one();
  if (node->dropped) return;
  addActive(node, -1);
  if (!result.complete) {
    node->state = Node::State::Abandoned;
    return;
  }
  if (result.opened != OpenResult::Opened) {
    node->state = Node::State::Unopened;
    node->openResult = result.opened;
    return;
  }
  node->contents.swap(result.contents);
  if (!node->handle) holdHandle(node, std::move(result.folder));
  node->state = Node::State::Ready;
  if (!result.subfolders.empty()) {
    addChildren(node, node->contents.listing, result.subfolders);
    wakeWorker();
  }
  recount(node);
}

void ReadAhead::addChildren(Node* node, const DirectoryListing& listing,
                            const std::vector<std::uint32_t>& subfolders) {
  node->children.reserve(subfolders.size());
  for (std::uint32_t entry : subfolders) {
    auto child = std::make_shared<Node>();
    child->parent = node;
    child->name = listing.name(entry);
    child->entry = entry;
    child->level = node->level + 1;
    child->active = 1;
    recount(child.get());
    node->children.push_back(std::move(child));
  }
  node->nextChild = node->firstActive = 0;
  node->unopened = subfolders.size();
  queued_ += subfolders.size();
  addActive(node, static_cast<int>(subfolders.size()));
}

// Drops a subtree that is already out of the tree; iterative, as a tree may be deep.
void ReadAhead::drop(std::shared_ptr<Node> top) {
  Node* parent = top->parent;
  if (!top->dropped && parent && !parent->dropped) {
    if (top->active > 0) addActive(parent, -static_cast<int>(top->active));
    if (top->state == Node::State::Queued) {
      --parent->unopened;
      releaseWhenDone(parent);
    }
  }
  std::vector<std::shared_ptr<Node>> pending;
  pending.push_back(std::move(top));
  while (!pending.empty()) {
    std::shared_ptr<Node> node = std::move(pending.back());
    pending.pop_back();
    if (node->state == Node::State::Queued) --queued_;
    node->dropped = true;
    releaseHandle(node.get());
    noteBytes(-static_cast<std::ptrdiff_t>(node->bytes));
    node->bytes = 0;
    for (auto& child : node->children)
      if (child) pending.push_back(std::move(child));
    if (node->entered) pending.push_back(std::move(node->entered));
    node->children.clear();
    node->active = 0;
  }
}

void ReadAhead::dropChildren(Node* node) {
  for (auto& child : node->children) {
    if (!child) continue;
    // Detached first, so that the counts above are taken down once.
    if (child->active > 0) addActive(node, -static_cast<int>(child->active));
    child->parent = nullptr;
    drop(std::move(child));
  }
  std::vector<std::shared_ptr<Node>>().swap(node->children);
  node->nextChild = node->firstActive = 0;
  node->unopened = 0;
  releaseWhenDone(node);
  recount(node);
  wakeWorker();
}

void ReadAhead::addActive(Node* from, int delta) {
  for (Node* node = from; node; node = node->parent) {
    node->active = static_cast<std::uint32_t>(static_cast<int>(node->active) + delta);
  }
}

void ReadAhead::holdHandle(Node* node, std::shared_ptr<Directory> folder) {
  node->handle = std::move(folder);
  ++openFolders_;
}

void ReadAhead::releaseHandle(Node* node) {
  if (!node->handle) return;
  node->handle.reset();
  --openFolders_;
}

// The walk keeps its own reference to a folder it has; the read-ahead needs it only to open
// the sub-folders still to read.
void ReadAhead::releaseWhenDone(Node* node) {
  if (node->state == Node::State::Taken && node->unopened == 0) releaseHandle(node);
}

// A thread that stopped at a full buffer is woken only once a quarter of it is free again, so
// that threads and walk don't take turns folder by folder.
void ReadAhead::wakeWorker() {
  if (idle_ > 0 && queued_ > 0 && bytes_ <= options_.bufferBytes / 4 * 3 &&
      openFolders_ <= options_.openFolders / 4 * 3) {
    work_.notify_one();
  }
}

void ReadAhead::recount(Node* node) {
  noteBytes(-static_cast<std::ptrdiff_t>(node->bytes));
  node->bytes = sizeof(Node) + node->name.capacity() +
                node->children.capacity() * sizeof(std::shared_ptr<Node>) +
                node->contents.memoryUsage();
  noteBytes(static_cast<std::ptrdiff_t>(node->bytes));
}

void ReadAhead::noteBytes(std::ptrdiff_t delta) {
  bytes_ = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(bytes_) + delta);
}

}  // namespace norvane
