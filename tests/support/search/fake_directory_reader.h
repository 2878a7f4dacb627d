#pragma once
// An in-memory folder tree with a fixed listing order, so walk order can be checked exactly.
// Folders may be slow to list, and the calls made are counted, from any thread: read-ahead
// reads folders on several threads at once.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/directory_reader.h"
#include "support/search/memory_file.h"

namespace norvane::test {

struct FakeNode {
  FakeNode* parent = nullptr;
  std::string name;
  bool folder = false;
  bool unreadable = false;  // a folder that cannot be opened
  bool otherMount = false;  // a folder that must never be entered
  std::string content;
  std::uint32_t extraAttributes = 0;
  std::chrono::microseconds listDelay{0};           // how long listing this folder takes
  bool unknownKind = false;                         // the listing can't tell whether it is a folder
  std::atomic<int> listed{0};                       // times this folder was listed
  std::vector<std::unique_ptr<FakeNode>> children;  // in listing order

  FakeNode& file(const std::string& n, const std::string& text = "") {
    auto node = std::make_unique<FakeNode>();
    node->parent = this;
    node->name = n;
    node->content = text;
    children.push_back(std::move(node));
    return *this;
  }
  FakeNode& dir(const std::string& n) {
    auto node = std::make_unique<FakeNode>();
    node->parent = this;
    node->name = n;
    node->folder = true;
    children.push_back(std::move(node));
    return *children.back();
  }
};

// What the walk and its read-ahead did, counted across threads.
struct FakeActivity {
  std::atomic<int> lists{0};
  std::atomic<int> stats{0};
  std::atomic<int> opens{0};
  std::atomic<int> openFolders{0};  // Directory objects alive
  std::atomic<int> mostOpenFolders{0};
  std::atomic<int> listing{0};  // folders being listed right now
  std::atomic<int> mostListing{0};
  std::chrono::microseconds listDelay{0};  // added to every folder's own
};

class FakeDirectory : public Directory {
 public:
  FakeDirectory(FakeNode& node, FakeActivity& activity) : node_(node), activity_(activity) {
    raise(activity_.mostOpenFolders, ++activity_.openFolders);
  }
  ~FakeDirectory() override { --activity_.openFolders; }
  FileIdentity identity() const override {
    return FileIdentity{1, reinterpret_cast<std::uintptr_t>(&node_)};
  }
  bool list(DirectoryListing& out) override {
    ++activity_.lists;
    ++node_.listed;
    raise(activity_.mostListing, ++activity_.listing);
    const auto delay = node_.listDelay + activity_.listDelay;
    if (delay.count() > 0) std::this_thread::sleep_for(delay);
    --activity_.listing;
    out.clear();
    for (auto& c : node_.children) {
      out.add(c->name.data(), c->name.size(),
              c->unknownKind ? EntryKind::Unknown
              : c->folder    ? EntryKind::Directory
                             : EntryKind::NotDirectory);
    }
    return true;
  }
  bool stat(const char* name, FileRecord& out) override {
    ++activity_.stats;
    FakeNode* c = child(name);
    if (!c) return false;
    out = FileRecord{};
    out.attributes = (c->folder ? kFileAttributeDirectory : kFileAttributeArchive) |
                     (c->name[0] == '.' ? kFileAttributeHidden : 0) | c->extraAttributes;
    out.size = c->folder ? 0 : static_cast<std::int64_t>(c->content.size());
    out.lastWriteTime = out.creationTime = out.lastAccessTime = 132000000000000000ULL;
    out.identity = FileIdentity{1, reinterpret_cast<std::uintptr_t>(c)};
    return true;
  }
  OpenResult openChild(const char* name, std::unique_ptr<Directory>& out) override {
    ++activity_.opens;
    if (std::string(name) == "." || (std::string(name) == ".." && node_.parent)) {
      out = std::make_unique<FakeDirectory>(name[1] ? *node_.parent : node_, activity_);
      return OpenResult::Opened;
    }
    FakeNode* c = child(name);
    if (!c || !c->folder || c->otherMount) return OpenResult::Skipped;
    if (c->unreadable) return OpenResult::Unreadable;
    out = std::make_unique<FakeDirectory>(*c, activity_);
    return OpenResult::Opened;
  }
  std::unique_ptr<ReadableFile> openFile(const char* name) override {
    FakeNode* c = child(name);
    if (!c || c->folder) return nullptr;
    return std::make_unique<MemoryFile>(c->content);
  }

 private:
  FakeNode* child(const std::string& name) {
    for (auto& c : node_.children)
      if (c->name == name) return c.get();
    return nullptr;
  }
  FakeNode& node_;
  static void raise(std::atomic<int>& most, int value) {
    int seen = most;
    while (value > seen && !most.compare_exchange_weak(seen, value)) {
    }
  }

  FakeActivity& activity_;
};

class FakeDirectoryReader : public DirectoryReader {
 public:
  FakeNode root;  // "/"
  FakeActivity activity;

  OpenResult openFolder(const std::string& path, std::unique_ptr<Directory>& out) override {
    ++opened[path];
    FakeNode* node = find(path);
    if (!node || !node->folder || node->unreadable) return OpenResult::Unreadable;
    out = std::make_unique<FakeDirectory>(*node, activity);
    return OpenResult::Opened;
  }
  std::unique_ptr<ReadableFile> openFile(const std::string& path) override {
    FakeNode* node = find(path);
    if (!node || node->folder) return nullptr;
    return std::make_unique<MemoryFile>(node->content);
  }
  std::string currentDirectory() override { return cwd; }

  std::string cwd = "/";
  std::map<std::string, int> opened;  // target folders opened, by path

 private:
  FakeNode* find(const std::string& path) {
    FakeNode* node = &root;
    std::size_t pos = 0;
    while (pos < path.size()) {
      std::size_t end = path.find('/', pos);
      if (end == std::string::npos) end = path.size();
      std::string part = path.substr(pos, end - pos);
      pos = end + 1;
      if (part.empty()) continue;
      FakeNode* next = nullptr;
      for (auto& c : node->children)
        if (c->name == part) next = c.get();
      if (!next) return nullptr;
      node = next;
    }
    return node;
  }
};

}  // namespace norvane::test
