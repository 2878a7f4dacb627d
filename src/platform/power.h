#pragma once
// Restarting the machine.
namespace norvane {

class Power {
 public:
  virtual ~Power() = default;
  // Asks the system to restart, provided the caller may; true when the request was accepted.
  virtual bool RestartComputer() = 0;
};

}  // namespace norvane
