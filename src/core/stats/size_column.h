#pragma once
// The text of the column "大小及所占磁盘总容量百分比": the size text of a folder's bytes and
// their share of the partition.
#include <cstdint>
#include <string>

namespace norvane {

// Shown in place of the percentage when the partition's size could not be read (-1) or is 0:
// a share of an unknown whole is not a number, and dividing by 0 would print "inf" or "nan".
extern const char* const kUnknownShareText;

// Size text + "  (" + percentage with two decimals + "%)", for example "1.50 KB  (0.25%)";
// with a partition size of 0 or less, size text + "  (" + kUnknownShareText + ")".
std::string sizeColumnText(std::int64_t bytes, std::int64_t partitionSize, char decimalSeparator);
// The same with the decimal separator of the current C locale.
std::string sizeColumnText(std::int64_t bytes, std::int64_t partitionSize);

}  // namespace norvane
