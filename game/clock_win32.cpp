// The real local clock on Windows: GetLocalTime, converted with SystemTimeToFileTime.
#include "game/clock.h"

#include <windows.h>

LocalTime SystemClock::now() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    LocalTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.dayOfWeek = st.wDayOfWeek;
    t.day = st.wDay;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    t.millisecond = st.wMilliseconds;
    return t;
}

bool SystemClock::toHundredNs(const LocalTime& t, std::int64_t& out) const {
    // Fields that do not fit a WORD cannot be a SYSTEMTIME; Windows would refuse them too.
    const int fields[] = {t.year, t.month,  t.dayOfWeek, t.day,
                          t.hour, t.minute, t.second,    t.millisecond};
    for (int f : fields)
        if (f < 0 || f > 0xFFFF)
            return false;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDayOfWeek = static_cast<WORD>(t.dayOfWeek);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    st.wMilliseconds = static_cast<WORD>(t.millisecond);
    FILETIME ft{};
    if (!SystemTimeToFileTime(&st, &ft))
        return false;
    out = static_cast<std::int64_t>((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) |
                                    ft.dwLowDateTime);
    return true;
}
