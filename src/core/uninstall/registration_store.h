#pragma once
// Where the uninstall registrations are kept: read as a whole, deleted one at a time.
#include <string>
#include <vector>

#include "core/uninstall/registration.h"

namespace norvane {

class RegistrationStore {
 public:
  virtual ~RegistrationStore() = default;
  // The registrations under `roots`, root by root in the order given; within a root in the
  // store's enumeration order. A root that can't be read gives none.
  virtual std::vector<Registration> list(const std::vector<RegistrationRoot>& roots) = 0;
  // Deletes the registration stored at `keyPath` under `root`. False when there is none
  // there or it can't be deleted (no rights); nothing else is touched either way.
  virtual bool remove(RegistrationRoot root, const std::string& keyPath) = 0;
};

}  // namespace norvane
