#pragma once
// Where the running program lies: its settings and companion programs live beside it.
#include <string>

namespace norvane {

// The folder of the running executable, without a trailing separator ("/" for the root);
// "." when the system can't tell.
std::string runningProgramFolder();

}  // namespace norvane
