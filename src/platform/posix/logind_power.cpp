#include "platform/posix/logind_power.h"

namespace norvane {

LogindPower::LogindPower(std::shared_ptr<LogindClient> client) : client_(std::move(client)) {}

bool LogindPower::RestartComputer() {
  if (!client_) return false;
  std::optional<std::string> allowed = client_->canReboot();
  if (!allowed || *allowed != "yes") return false;
  return client_->reboot(false);
}

}  // namespace norvane
