#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "description/memory_image.h"
#include "description/memory_map.h"
#include "seams/clock.h"

namespace quorprog {

// Formats date by a date pattern: d / dd the day without / with a leading zero, m / mm the month
// likewise, y / yy the year's last two digits, yyy / yyyy the full year, "/" the date separator;
// letters are matched without regard to case and every other character is copied. Longer runs of
// a letter are read as several patterns (ddd is dd then d).
std::string FormatDate(std::string_view pattern, const CalendarDate& date, char separator = '/');

// Before a write: for each partition whose memory map has both Partition%d.Date and
// Partition%d.DateFormat, stores today's date in that pattern, with the clock's date separator,
// through WriteEntryText (which marks the bytes changed). Partitions lacking either key get no
// date. Always true.
bool StampDates(MemoryMap& map, uint32_t partitionCount, const Clock& clock,
                Bytes* image = nullptr);

}  // namespace quorprog
