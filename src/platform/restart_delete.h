#pragma once
// The system's list of files to delete during its next start.
#include <string>

namespace norvane {

class RestartDelete {
 public:
  virtual ~RestartDelete() = default;
  // Records `path` (a full path) for deletion at the next start; true when the request
  // was accepted. Registering the same path twice records it twice.
  virtual bool DeleteOnRestart(const std::string& path) = 0;
};

}  // namespace norvane
