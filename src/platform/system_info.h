#pragma once
// Facts and small services of the running system.
#include <cstdint>

namespace norvane {

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual bool isNtFamily() = 0;
  // Milliseconds since an arbitrary start, wrapping at 2^32.
  virtual std::uint32_t tickCount() = 0;
  // Hands unused memory back to the system.
  virtual void trimWorkingSet() = 0;
};

}  // namespace norvane
