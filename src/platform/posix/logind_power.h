#pragma once
// Restart through systemd-logind: CanReboot answering "yes" is the privilege test (anything
// else, "challenge" included, counts as lacking the right), then Reboot without asking
// interactively for authentication.
#include <memory>

#include "platform/posix/logind_client.h"
#include "platform/power.h"

namespace norvane {

class LogindPower : public Power {
 public:
  explicit LogindPower(
      std::shared_ptr<LogindClient> client = std::make_shared<SdBusLogindClient>());
  bool RestartComputer() override;

 private:
  std::shared_ptr<LogindClient> client_;
};

}  // namespace norvane
