// Today's date and the time of day, behind an interface so tests can fix them.
#pragma once

namespace quillon::run {

struct CalendarDate {
    int year = 1970;
    int month = 1;   // 1-12
    int day = 1;     // 1-31
    int weekday = 4; // 0 = Sunday
};

struct TimeOfDay {
    int hour = 0; // 0-23
    int minute = 0;
    int second = 0;
};

struct LocalTime {
    CalendarDate date;
    TimeOfDay time;
};

class Clock
{
public:
    virtual ~Clock() = default;
    // Date and time of one reading, so the two always belong together, even at midnight.
    virtual LocalTime now() const = 0;
    // The same in UTC, for the time stamps that other programs read.
    virtual LocalTime utcNow() const = 0;
};

// Local time of the machine.
class SystemClock : public Clock
{
public:
    LocalTime now() const override;
    LocalTime utcNow() const override;
};

} // namespace quillon::run
