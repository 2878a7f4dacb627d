#pragma once
// Records a search's events as lines: "begin", "folder /a/", "match /a/x", "abort", "finish".
#include <string>
#include <vector>

#include "core/search/find_file.h"

namespace norvane::test {

struct SearchRecorder {
  std::vector<std::string> log;

  explicit SearchRecorder(TFindFile& f) {
    f.OnSearchBegin = [this](TFindFile*) { log.push_back("begin"); };
    f.OnSearchFinish = [this](TFindFile*) { log.push_back("finish"); };
    f.OnSearchAbort = [this](TFindFile*) { log.push_back("abort"); };
    f.OnFolderChange = [this](TFindFile*, const std::string& folder, TFolderIgnore&) {
      log.push_back("folder " + folder);
    };
    f.OnFileMatch = [this](TFindFile*, const std::string& folder, const TSearchRec& rec) {
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
