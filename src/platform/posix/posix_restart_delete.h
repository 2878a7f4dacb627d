#pragma once
// Delete at restart on Linux: the path goes to the durable pending-delete list and the helper
// that carries the list out is installed to run at the next boot (root) or login (a user).
#include "platform/posix/pending_delete_launcher.h"
#include "platform/posix/pending_delete_list.h"
#include "platform/restart_delete.h"

namespace norvane {

class PosixRestartDelete : public RestartDelete {
 public:
  explicit PosixRestartDelete(PendingDeleteSetup setup = defaultPendingDeleteSetup());

  // The folder part of `path` is resolved once, now, to its real location, and the list
  // records the result: the helper then never follows a link, yet a path through a linked
  // folder still reaches the file the user chose. False when the folder doesn't exist, the
  // helper can't be installed or the list can't be written.
  bool DeleteOnRestart(const std::string& path) override;

  const PendingDeleteSetup& setup() const { return setup_; }
  // The path as it will be recorded; "" when it can't be.
  static std::string recordedPath(const std::string& path);

 private:
  PendingDeleteSetup setup_;
  PendingDeleteList list_;
};

}  // namespace norvane
