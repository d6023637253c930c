// The real local clock on POSIX systems: the wall clock with milliseconds, in local time.
#include "game/clock.h"

#include <ctime>

LocalTime SystemClock::now() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm local{};
    localtime_r(&ts.tv_sec, &local);
    LocalTime t;
    t.year = local.tm_year + 1900;
    t.month = local.tm_mon + 1;
    t.dayOfWeek = local.tm_wday;
    t.day = local.tm_mday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    // A leap second reads as the last second of its minute, as Windows never shows one.
    t.second = local.tm_sec > 59 ? 59 : local.tm_sec;
    t.millisecond = static_cast<int>(ts.tv_nsec / 1000000);
    return t;
}

bool SystemClock::toHundredNs(const LocalTime& t, std::int64_t& out) const {
    return calendarToHundredNs(t, out);
}
