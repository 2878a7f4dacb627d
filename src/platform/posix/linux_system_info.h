#pragma once
#include "platform/system_info.h"

namespace norvane {

class LinuxSystemInfo : public SystemInfo {
 public:
  bool isNtFamily() override { return true; }
  std::uint32_t tickCount() override;
  void trimWorkingSet() override;
};

}  // namespace norvane
