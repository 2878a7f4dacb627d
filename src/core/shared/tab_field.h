#pragma once
// A text field on a tab-separated line: a tab, a line feed and a backslash are written "\t",
// "\n" and "\\", so any bytes fit on one line and read back unchanged.
#include <string>
#include <string_view>

namespace norvane {

// `text` with a tab, line feed and backslash written "\t", "\n", "\\"; every other byte as it is.
std::string escapeTabField(std::string_view text);

// The bytes that escapeTabField wrote as `text`. False for a backslash followed by anything
// but t, n or a backslash, or by nothing.
bool unescapeTabField(std::string_view text, std::string& out);

}  // namespace norvane
