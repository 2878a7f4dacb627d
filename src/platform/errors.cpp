#include "platform/errors.h"

#include <cerrno>
#include <cstring>

namespace norvane {

namespace {
std::string osErrorText(int code, const std::string& message) {
  return "System Error.  Code: " + std::to_string(code) + ".\r\n" + message;
}
}  // namespace

OSError::OSError(int code, const std::string& systemMessage)
    : NorvaneError(osErrorText(code, systemMessage)), code_(code) {}

void raiseOSError(int code) {
  if (code == 0) throw NorvaneError("A call to an OS function failed");
  throw OSError(code, std::strerror(code));
}

void raiseLastOSError() { raiseOSError(errno); }

}  // namespace norvane
