#pragma once
// Local time of the running system, for converting file times to what the user sees.
#include <cstdint>

namespace norvane {

// Seconds to add to the UTC instant `unixSeconds` to get the local wall-clock time then.
std::int64_t localUtcOffset(std::int64_t unixSeconds);

}  // namespace norvane
