// Local wall-clock readings, time stamps and elapsed milliseconds for every delay of the game.
#pragma once

#include <cstdint>

// A reading of the local clock with the fields Windows' GetLocalTime fills.
struct LocalTime {
    int year = 0;
    int month = 0;     // 1..12
    int dayOfWeek = 0; // 0 = Sunday; not used by the conversion
    int day = 0;       // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    bool operator==(const LocalTime& o) const {
        return year == o.year && month == o.month && dayOfWeek == o.dayOfWeek && day == o.day &&
               hour == o.hour && minute == o.minute && second == o.second &&
               millisecond == o.millisecond;
    }
    bool operator!=(const LocalTime& o) const { return !(*this == o); }
};

// Calendar fields -> 100-nanosecond intervals since 1601-01-01 00:00, the count Windows'
// SystemTimeToFileTime gives. False, leaving `out` alone, for fields it would refuse (a year
// outside 1601..30827, a month, day or time of day out of range; the day of week is ignored).
bool calendarToHundredNs(const LocalTime& t, std::int64_t& out);
// The inverse, with the day of week filled in; false when the count lies outside the years
// 1601..30827.
bool calendarFromHundredNs(std::int64_t count, LocalTime& out);

// The source of local time. Game code never reads the real clock itself.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime now() = 0;
    // How a reading becomes a 100-ns count; the calendar arithmetic unless a platform has its
    // own conversion.
    virtual bool toHundredNs(const LocalTime& t, std::int64_t& out) const {
        return calendarToHundredNs(t, out);
    }
};

// The real local clock of the machine (clock_win32.cpp, clock_posix.cpp).
class SystemClock : public Clock {
  public:
    LocalTime now() override;
    bool toHundredNs(const LocalTime& t, std::int64_t& out) const override;
};

// A clock that stands still until it is set or moved: tests and the headless runner.
class ManualClock : public Clock {
  public:
    ManualClock();
    LocalTime now() override { return current; }
    // False, keeping the old time, when the fields do not form a valid time.
    bool set(const LocalTime& t);
    // Moves the clock by `ms` (negative moves it back); false, keeping the old time, when the
    // result leaves the clock's range.
    bool advanceMs(std::int64_t ms);

  private:
    LocalTime current;
};

// The moment something happened. `isNull` stamps count as no time at all.
struct TimeStamp {
    LocalTime time;
    bool isNull = true;
};

// Sets the stamp to the clock's current reading.
void stampNow(TimeStamp& stamp, Clock& clock);
// Milliseconds from the stamp to a fresh reading of the clock, truncated toward zero; negative
// when the stamp lies in the future. 0 for a null stamp, or when either time does not convert.
std::int64_t elapsedMs(const TimeStamp& stamp, Clock& clock);
