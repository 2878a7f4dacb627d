#pragma once
// Where the update information is fetched from.
#include <string>

namespace norvane {

// The maker's update server.
inline constexpr const char* kDefaultUpdateInfoUrl = "https://www.norvane.cn/update/updata.txt";

// [Update] URL= of "Setup.ini" in `appDir` (ending in "/") when present and not empty, else
// the maker's server.
std::string updateInfoAddress(const std::string& appDir);

}  // namespace norvane
