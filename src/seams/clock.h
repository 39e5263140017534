#pragma once

namespace quorprog {

struct CalendarDate {
    int year;   // four digits
    int month;  // 1..12
    int day;    // 1..31
};

struct TimeOfDay {
    int hour;    // 0..23
    int minute;  // 0..59
    int second;  // 0..59
};

// A moment in local time, to the second.
struct LocalTime {
    CalendarDate date;
    TimeOfDay time;
};

// Today's date for the date stamp and the printed sheet, and the local time that names backups;
// tests fix both.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate today() const = 0;
    virtual LocalTime now() const = 0;
};

class SystemClock : public Clock {
public:
    CalendarDate today() const override;
    LocalTime now() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(CalendarDate date, TimeOfDay time = {12, 0, 0})
        : date_(date), time_(time) {}
    CalendarDate today() const override { return date_; }
    LocalTime now() const override { return {date_, time_}; }

private:
    CalendarDate date_;
    TimeOfDay time_;
};

}  // namespace quorprog
