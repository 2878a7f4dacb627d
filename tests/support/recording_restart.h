#pragma once
// Delete-at-restart and restart services that only record what they were asked.
#include <string>
#include <vector>

#include "platform/power.h"
#include "platform/restart_delete.h"

namespace norvane::test {

class RecordingRestartDelete : public RestartDelete {
 public:
  bool accept = true;  // the answer to every registration
  std::vector<std::string> paths;
  bool DeleteOnRestart(const std::string& path) override {
    paths.push_back(path);
    return accept;
  }
};

// Counts restart requests and refuses each, as a system without the privilege does.
class CountingPower : public Power {
 public:
  int restarts = 0;
  bool RestartComputer() override {
    ++restarts;
    return false;
  }
};

}  // namespace norvane::test
