#pragma once
// Failures are exceptions. NorvaneError carries the text the general error report shows;
// OSError adds the system's error number.
#include <stdexcept>
#include <string>

namespace norvane {

class NorvaneError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class OSError : public NorvaneError {
 public:
  OSError(int code, const std::string& systemMessage);
  int code() const { return code_; }

 private:
  int code_;
};

// Raises OSError for errno-style `code` ("System Error.  Code: %d.\r\n%s"), or the
// "A call to an OS function failed" error when code is 0.
[[noreturn]] void raiseOSError(int code);
// Raises for the current errno.
[[noreturn]] void raiseLastOSError();

}  // namespace norvane
