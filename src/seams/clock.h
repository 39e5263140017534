#pragma once

namespace quorprog {

struct CalendarDate {
    int year;   // four digits
    int month;  // 1..12
    int day;    // 1..31
};

// Today's date for the date stamp and the printed sheet, and the separator both put between day,
// month and year (the "/" of a date pattern); tests fix both.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual CalendarDate today() const = 0;
    virtual char dateSeparator() const = 0;
};

// The machine's date. The core cannot ask the desktop for its date separator: the shell passes it.
class SystemClock : public Clock {
  public:
    explicit SystemClock(char dateSeparator = '/') : dateSeparator_(dateSeparator) {}
    CalendarDate today() const override;
    char dateSeparator() const override { return dateSeparator_; }

  private:
    char dateSeparator_;
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(CalendarDate date, char dateSeparator = '/')
        : date_(date), dateSeparator_(dateSeparator) {}
    CalendarDate today() const override { return date_; }
    char dateSeparator() const override { return dateSeparator_; }

  private:
    CalendarDate date_;
    char dateSeparator_;
};

}  // namespace quorprog
