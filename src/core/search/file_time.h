#pragma once
// File times as the user sees them: converted to local time.
#include <cstdint>

#include "core/search/search_types.h"

namespace norvane {

// Days from 1899-12-30, day 0 of a date-time, to 1970-01-01.
inline constexpr std::int64_t kDaysFrom1899To1970 = 25569;

// Local date-time of a UTC file time, to the millisecond.
DateTime FileTimeToLocalDateTime(FileTime time);

// Local time packed as a DOS date (high 16 bits) and time (low 16 bits, two-second steps).
// Times outside 1980..2107, which that packing cannot hold, are clamped to its ends.
std::int32_t FileTimeToLocalDosTime(FileTime time);

// File time of a UTC instant given in seconds (and nanoseconds) since 1970.
FileTime unixToFileTime(std::int64_t seconds, std::uint32_t nanoseconds = 0);

// Whole seconds since 1970-01-01 UTC of a file time, rounded down (also before 1970).
std::int64_t fileTimeToUnix(FileTime time);

// Calendar date of a day count since 1970-01-01 (proleptic Gregorian).
void civilFromDays(std::int64_t days, int& year, unsigned& month, unsigned& day);

}  // namespace norvane
