#pragma once
// Dates and times as day numbers: days since 1899-12-30, the fraction the time of day.
#include <optional>
#include <string_view>

namespace norvane {

// "2008-03-01", "2008/3/1", "2008.03.01", each optionally followed by a time "13:05" or
// "13:05:09" (also with the date and time joined by a "T"). Anything else gives no value.
std::optional<double> parseVersionDate(std::string_view text);

// The local date and time now.
double localNowAsDateTime();

}  // namespace norvane
