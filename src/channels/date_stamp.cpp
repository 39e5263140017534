#include "channels/date_stamp.h"

#include <cctype>

#include "channels/partition_keys.h"

namespace quorprog {
namespace {

std::string twoDigits(int value) {
    const int clipped = ((value % 100) + 100) % 100;
    return {static_cast<char>('0' + clipped / 10), static_cast<char>('0' + clipped % 10)};
}

// The longest run of one pattern letter that forms a single field.
size_t longestField(char letter) {
    return letter == 'y' ? 4 : 2;
}

std::string formatField(char letter, size_t length, const CalendarDate& date) {
    switch (letter) {
        case 'd':
            return length == 1 ? std::to_string(date.day) : twoDigits(date.day);
        case 'm':
            return length == 1 ? std::to_string(date.month) : twoDigits(date.month);
        default:  // 'y'
            return length <= 2 ? twoDigits(date.year) : std::to_string(date.year);
    }
}

}  // namespace

std::string FormatDate(std::string_view pattern, const CalendarDate& date, char separator) {
    std::string text;
    size_t i = 0;
    while (i < pattern.size()) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
        if (letter != 'd' && letter != 'm' && letter != 'y') {
            text += pattern[i] == '/' ? separator : pattern[i];
            ++i;
            continue;
        }
        size_t run = 1;
        while (i + run < pattern.size() && run < longestField(letter) &&
               std::tolower(static_cast<unsigned char>(pattern[i + run])) == letter) {
            ++run;
        }
        text += formatField(letter, run, date);
        i += run;
    }
    return text;
}

bool StampDates(MemoryMap& map, uint32_t partitionCount, const Clock& clock, Bytes* image) {
    const CalendarDate today = clock.today();
    for (uint32_t p = 0; p < partitionCount; ++p) {
        const std::string entry = map.entryOf(partitionKey(p, "Date"));
        if (entry.empty()) continue;
        const std::string pattern = map.entryOf(partitionKey(p, "DateFormat"));
        if (pattern.empty()) continue;
        map.WriteEntryText(entry, FormatDate(pattern, today, clock.dateSeparator()), image);
    }
    return true;
}

}  // namespace quorprog
