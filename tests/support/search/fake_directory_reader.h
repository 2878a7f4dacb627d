#pragma once
// An in-memory folder tree with a fixed listing order, so walk order can be checked exactly.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/directory_reader.h"
#include "support/search/memory_file.h"

namespace norvane::test {

struct FakeNode {
  std::string name;
  bool folder = false;
  bool unreadable = false;  // a folder that cannot be opened
  bool otherMount = false;  // a folder that must never be entered
  std::string content;
  std::uint32_t extraAttributes = 0;
  std::vector<std::unique_ptr<FakeNode>> children;  // in listing order

  FakeNode& file(const std::string& n, const std::string& text = "") {
    auto node = std::make_unique<FakeNode>();
    node->name = n;
    node->content = text;
    children.push_back(std::move(node));
    return *this;
  }
  FakeNode& dir(const std::string& n) {
    auto node = std::make_unique<FakeNode>();
    node->name = n;
    node->folder = true;
    children.push_back(std::move(node));
    return *children.back();
  }
};

class FakeDirectory : public Directory {
 public:
  explicit FakeDirectory(FakeNode& node) : node_(node) {}
  bool list(DirectoryListing& out) override {
    out.clear();
    for (auto& c : node_.children) {
      out.add(c->name.data(), c->name.size(),
              c->folder ? EntryKind::Directory : EntryKind::NotDirectory);
    }
    return true;
  }
  bool stat(const char* name, FileRecord& out) override {
    FakeNode* c = child(name);
    if (!c) return false;
    out = FileRecord{};
    out.attributes = (c->folder ? kFileAttributeDirectory : kFileAttributeArchive) |
                     (c->name[0] == '.' ? kFileAttributeHidden : 0) | c->extraAttributes;
    out.size = c->folder ? 0 : static_cast<std::int64_t>(c->content.size());
    out.lastWriteTime = out.creationTime = out.lastAccessTime = 132000000000000000ULL;
    return true;
  }
  OpenResult openChild(const char* name, std::unique_ptr<Directory>& out) override {
    FakeNode* c = child(name);
    if (!c || !c->folder || c->otherMount) return OpenResult::Skipped;
    if (c->unreadable) return OpenResult::Unreadable;
    out = std::make_unique<FakeDirectory>(*c);
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
};

class FakeDirectoryReader : public DirectoryReader {
 public:
  FakeNode root;  // "/"

  OpenResult openFolder(const std::string& path, std::unique_ptr<Directory>& out) override {
    ++opened[path];
    FakeNode* node = find(path);
    if (!node || !node->folder || node->unreadable) return OpenResult::Unreadable;
    out = std::make_unique<FakeDirectory>(*node);
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
