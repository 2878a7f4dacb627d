#pragma once
// How often the calling thread has waited: given up the processor because it could not go on
// (storage to answer, a lock, a sleep), as opposed to being preempted.
#include <cstdint>

namespace norvane {

std::uint64_t currentThreadWaits();

}  // namespace norvane
