#pragma once
// The one rule by which every byte count is shown.
#include <cstdint>
#include <string>

namespace norvane {

// "%d byte" below 1024, else KB, MB or GB with two decimals and `decimalSeparator`.
std::string ConFileSize(std::int64_t n, char decimalSeparator);
// The same with the decimal separator of the current C locale.
std::string ConFileSize(std::int64_t n);

// `value` in fixed notation with two decimals, halves rounded away from zero.
std::string FormatFixed2(long double value, char decimalSeparator = '.');

}  // namespace norvane
