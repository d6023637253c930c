// Calendar arithmetic for the 100-ns counts, the manual clock and the elapsed-time rule.
#include "game/clock.h"

namespace {

constexpr std::int64_t TicksPerMs = 10000;
constexpr std::int64_t TicksPerDay = 86400LL * 1000 * TicksPerMs;
constexpr int FirstYear = 1601;
constexpr int LastYear = 30827;

bool isLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar (Howard
// Hinnant's days_from_civil), and back.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const std::int64_t DaysFrom1601To1970 = -daysFromCivil(1601, 1, 1);

} // namespace

bool calendarToHundredNs(const LocalTime& t, std::int64_t& out) {
    if (t.year < FirstYear || t.year > LastYear || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
        t.minute > 59 || t.second < 0 || t.second > 59 || t.millisecond < 0 || t.millisecond > 999)
        return false;
    const std::int64_t days = daysFromCivil(t.year, t.month, t.day) + DaysFrom1601To1970;
    const std::int64_t ms =
        ((static_cast<std::int64_t>(t.hour) * 60 + t.minute) * 60 + t.second) * 1000 +
        t.millisecond;
    out = days * TicksPerDay + ms * TicksPerMs;
    return true;
}

bool calendarFromHundredNs(std::int64_t count, LocalTime& out) {
    if (count < 0)
        return false;
    const std::int64_t days = count / TicksPerDay;
    std::int64_t ms = (count % TicksPerDay) / TicksPerMs;
    LocalTime t;
    civilFromDays(days - DaysFrom1601To1970, t.year, t.month, t.day);
    if (t.year > LastYear)
        return false;
    t.dayOfWeek = static_cast<int>((days + 1) % 7); // 1601-01-01 was a Monday
    t.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    t.second = static_cast<int>(ms % 60);
    ms /= 60;
    t.minute = static_cast<int>(ms % 60);
    t.hour = static_cast<int>(ms / 60);
    out = t;
    return true;
}

ManualClock::ManualClock() {
    LocalTime start;
    start.year = FirstYear;
    start.month = 1;
    start.day = 1;
    set(start);
}

bool ManualClock::set(const LocalTime& t) {
    std::int64_t count = 0;
    if (!calendarToHundredNs(t, count))
        return false;
    // Normalised through the count so that the day of week is always right.
    return calendarFromHundredNs(count, current);
}

bool ManualClock::advanceMs(std::int64_t ms) {
    std::int64_t count = 0;
    if (!calendarToHundredNs(current, count))
        return false;
    // Checked before multiplying, so that no move can overflow the count.
    if (ms > (INT64_MAX - count) / TicksPerMs || ms < -(count / TicksPerMs) - 1)
        return false;
    return calendarFromHundredNs(count + ms * TicksPerMs, current);
}

void stampNow(TimeStamp& stamp, Clock& clock) {
    stamp.time = clock.now();
    stamp.isNull = false;
}

std::int64_t elapsedMs(const TimeStamp& stamp, Clock& clock) {
    if (stamp.isNull)
        return 0;
    std::int64_t then = 0;
    std::int64_t now = 0;
    // A stamp that does not convert counts as the start of the count, as on Windows.
    if (!clock.toHundredNs(stamp.time, then))
        then = 0;
    if (!clock.toHundredNs(clock.now(), now))
        return 0;
    return (now - then) / TicksPerMs;
}
