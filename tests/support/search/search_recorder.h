#pragma once
// Records a search's events as lines: "begin", "folder /a/", "match /a/x", "abort", "finish".
#include <string>
#include <vector>

#include "core/search/find_file.h"

namespace norvane::test {

struct SearchRecorder {
  std::vector<std::string> log;

  explicit SearchRecorder(FindFile& f) {
    f.OnSearchBegin = [this](FindFile*) { log.push_back("begin"); };
    f.OnSearchFinish = [this](FindFile*) { log.push_back("finish"); };
    f.OnSearchAbort = [this](FindFile*) { log.push_back("abort"); };
    f.OnFolderChange = [this](FindFile*, const std::string& folder, FolderIgnore&) {
      log.push_back("folder " + folder);
    };
    f.OnFileMatch = [this](FindFile*, const std::string& folder, const SearchRecord& rec) {
      log.push_back("match " + folder + rec.Name);
    };
  }

  std::vector<std::string> matches() const {
    std::vector<std::string> out;
    for (const auto& line : log)
      if (line.rfind("match ", 0) == 0) out.push_back(line.substr(6));
    return out;
  }
  std::vector<std::string> folders() const {
    std::vector<std::string> out;
    for (const auto& line : log)
      if (line.rfind("folder ", 0) == 0) out.push_back(line.substr(7));
    return out;
  }
};

}  // namespace norvane::test
