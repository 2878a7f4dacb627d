#include <systemd/sd-bus.h>

#include "platform/posix/logind_client.h"

namespace norvane {

namespace {

constexpr const char* kService = "org.freedesktop.login1";
constexpr const char* kObject = "/org/freedesktop/login1";
constexpr const char* kInterface = "org.freedesktop.login1.Manager";

struct Bus {
  sd_bus* bus = nullptr;
  Bus() {
    if (sd_bus_open_system(&bus) < 0) bus = nullptr;
  }
  ~Bus() { sd_bus_flush_close_unref(bus); }
  Bus(const Bus&) = delete;
  Bus& operator=(const Bus&) = delete;
};

}  // namespace

std::optional<std::string> SdBusLogindClient::canReboot() {
  Bus b;
  if (!b.bus) return std::nullopt;
  sd_bus_error error = SD_BUS_ERROR_NULL;
  sd_bus_message* reply = nullptr;
  std::optional<std::string> answer;
  if (sd_bus_call_method(b.bus, kService, kObject, kInterface, "CanReboot", &error, &reply, "") >=
      0) {
    const char* text = nullptr;
    if (sd_bus_message_read(reply, "s", &text) >= 0 && text) answer = text;
  }
  sd_bus_error_free(&error);
  sd_bus_message_unref(reply);
  return answer;
}

bool SdBusLogindClient::reboot(bool interactive) {
  Bus b;
  if (!b.bus) return false;
  sd_bus_error error = SD_BUS_ERROR_NULL;
  int rc = sd_bus_call_method(b.bus, kService, kObject, kInterface, "Reboot", &error, nullptr, "b",
                              static_cast<int>(interactive));
  sd_bus_error_free(&error);
  return rc >= 0;
}

}  // namespace norvane
