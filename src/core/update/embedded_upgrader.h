#pragma once
// The companion program carried inside the executable. Defined only in executables that the
// build embeds it into (CMake: norvane_embed_upgrader(target)).
#include <string_view>

namespace norvane {

std::string_view embeddedUpgraderImage();

}  // namespace norvane
