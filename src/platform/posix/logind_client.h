#pragma once
// The two calls of systemd-logind's Manager that a restart needs. Tests substitute a fake so
// nothing ever reboots.
#include <optional>
#include <string>

namespace norvane {

class LogindClient {
 public:
  virtual ~LogindClient() = default;
  // "yes", "no", "challenge" or "na"; nullopt when logind can't be asked.
  virtual std::optional<std::string> canReboot() = 0;
  // True when logind accepted the request.
  virtual bool reboot(bool interactive) = 0;
};

// Talks to org.freedesktop.login1 on the system bus through sd-bus.
class SdBusLogindClient : public LogindClient {
 public:
  std::optional<std::string> canReboot() override;
  bool reboot(bool interactive) override;
};

}  // namespace norvane
