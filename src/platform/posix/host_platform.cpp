#include "platform/platform.h"

namespace norvane {

Platform makeHostPlatform() { return Platform{}; }

}  // namespace norvane
