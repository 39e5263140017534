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

// Today's date for the date stamp and the printed sheet, the separator both put between day,
// month and year (the "/" of a date pattern), and the local time that names backups; tests fix
// all three.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual CalendarDate today() const = 0;
    virtual char dateSeparator() const = 0;
    virtual LocalTime now() const = 0;
};

// The machine's date. The core cannot ask the desktop for its date separator: the shell passes it.
class SystemClock : public Clock {
  public:
    explicit SystemClock(char dateSeparator = '/') : dateSeparator_(dateSeparator) {}
    CalendarDate today() const override;
    char dateSeparator() const override { return dateSeparator_; }
    LocalTime now() const override;

  private:
    char dateSeparator_;
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(CalendarDate date, char dateSeparator = '/', TimeOfDay time = {12, 0, 0})
        : date_(date), dateSeparator_(dateSeparator), time_(time) {}
    CalendarDate today() const override { return date_; }
    char dateSeparator() const override { return dateSeparator_; }
    LocalTime now() const override { return {date_, time_}; }

  private:
    CalendarDate date_;
    char dateSeparator_;
    TimeOfDay time_;
};

}  // namespace quorprog
