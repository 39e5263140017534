#pragma once

namespace quorprog {

struct CalendarDate {
    int year;   // four digits
    int month;  // 1..12
    int day;    // 1..31
};

// Today's date for the date stamp and the printed sheet; tests fix the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate today() const = 0;
};

class SystemClock : public Clock {
public:
    CalendarDate today() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(CalendarDate date) : date_(date) {}
    CalendarDate today() const override { return date_; }

private:
    CalendarDate date_;
};

}  // namespace quorprog
