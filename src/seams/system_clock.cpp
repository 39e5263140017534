#include <cstdio>
#include <ctime>

#include "seams/clock.h"
#include "seams/iso_time.h"

namespace quorprog {

std::string isoTimeText(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", time.date.year,
                  time.date.month, time.date.day, time.time.hour, time.time.minute,
                  time.time.second);
    return text;
}

LocalTime SystemClock::now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            {local.tm_hour, local.tm_min, local.tm_sec}};
}

CalendarDate SystemClock::today() const {
    return now().date;
}

}  // namespace quorprog
