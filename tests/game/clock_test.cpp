// Calendar counts, the manual clock and elapsedMs on a clock that can be set freely.
#include <gtest/gtest.h>

#include <cstdint>

#include "game/clock.h"
#include "tests/game/game_rig.h"

namespace {

TEST(CalendarCount, KnownCountsAndDayOfWeek) {
    struct Case {
        LocalTime time;
        std::int64_t count;
        int dayOfWeek;
    } cases[] = {
        {makeTime(1601, 1, 1, 0, 0, 0, 0), 0, 1},
        {makeTime(1970, 1, 1, 0, 0, 0, 0), 116444736000000000LL, 4},
        {makeTime(2000, 1, 1, 0, 0, 0, 0), 125911584000000000LL, 6},
        {makeTime(2024, 2, 29, 23, 59, 59, 999), 133537247999990000LL, 4},
        {makeTime(2026, 1, 1, 12, 0, 0, 0), 134117424000000000LL, 4},
        {makeTime(9999, 12, 31, 23, 59, 59, 999), 2650467743999990000LL, 5},
    };
    for (const Case& c : cases) {
        std::int64_t count = -1;
        ASSERT_TRUE(calendarToHundredNs(c.time, count)) << c.time.year;
        EXPECT_EQ(count, c.count) << c.time.year;
        LocalTime back;
        ASSERT_TRUE(calendarFromHundredNs(count, back));
        LocalTime want = c.time;
        want.dayOfWeek = c.dayOfWeek;
        EXPECT_EQ(back, want) << c.time.year;
    }
}

TEST(CalendarCount, RefusesWhatWindowsRefuses) {
    const LocalTime bad[] = {
        makeTime(1600, 12, 31, 23, 59, 59, 999), makeTime(30828, 1, 1, 0, 0, 0, 0),
        makeTime(2025, 2, 29, 0, 0, 0, 0),       makeTime(1900, 2, 29, 0, 0, 0, 0),
        makeTime(2026, 4, 31, 0, 0, 0, 0),       makeTime(2026, 0, 1, 0, 0, 0, 0),
        makeTime(2026, 13, 1, 0, 0, 0, 0),       makeTime(2026, 1, 0, 0, 0, 0, 0),
        makeTime(2026, 1, 1, 24, 0, 0, 0),       makeTime(2026, 1, 1, 0, 60, 0, 0),
        makeTime(2026, 1, 1, 0, 0, 60, 0),       makeTime(2026, 1, 1, 0, 0, 0, 1000),
        makeTime(2026, 1, 1, -1, 0, 0, 0),
    };
    for (const LocalTime& t : bad) {
        std::int64_t count = 42;
        EXPECT_FALSE(calendarToHundredNs(t, count)) << t.year << "-" << t.month << "-" << t.day;
        EXPECT_EQ(count, 42);
    }
    std::int64_t count = 0;
    EXPECT_TRUE(calendarToHundredNs(makeTime(2000, 2, 29, 0, 0, 0, 0), count));
    EXPECT_TRUE(calendarToHundredNs(makeTime(30827, 12, 31, 23, 59, 59, 999), count));
}

TEST(ManualClock, MovesAcrossDaysYearsAndBack) {
    ManualClock clock;
    ASSERT_TRUE(clock.set(makeTime(2024, 12, 31, 23, 59, 59, 990)));
    ASSERT_TRUE(clock.advanceMs(30));
    EXPECT_EQ(clock.now().year, 2025);
    EXPECT_EQ(clock.now().month, 1);
    EXPECT_EQ(clock.now().day, 1);
    EXPECT_EQ(clock.now().millisecond, 20);
    EXPECT_EQ(clock.now().dayOfWeek, 3); // a Wednesday
    ASSERT_TRUE(clock.advanceMs(-30));
    LocalTime back = makeTime(2024, 12, 31, 23, 59, 59, 990);
    back.dayOfWeek = 2; // a Tuesday
    EXPECT_EQ(clock.now(), back);
}

TEST(ManualClock, RefusesInvalidTimesAndMovesOutOfRange) {
    ManualClock clock;
    const LocalTime start = makeTime(2026, 1, 1, 12, 0, 0, 0);
    ASSERT_TRUE(clock.set(start));
    EXPECT_FALSE(clock.set(makeTime(2026, 2, 30, 0, 0, 0, 0)));
    EXPECT_FALSE(clock.advanceMs(-20000000000000LL)); // before 1601
    EXPECT_FALSE(clock.advanceMs(INT64_MAX));
    EXPECT_FALSE(clock.advanceMs(INT64_MIN));
    EXPECT_EQ(clock.now().year, 2026);
    EXPECT_EQ(clock.now().hour, 12);
}

TEST(ElapsedMs, DifferencesOnTheLocalClock) {
    struct Case {
        LocalTime stamp, now;
        std::int64_t ms;
    } cases[] = {
        // A day boundary, a year boundary, a leap day, plain differences.
        {makeTime(2026, 1, 1, 23, 59, 59, 900), makeTime(2026, 1, 2, 0, 0, 0, 100), 200},
        {makeTime(2025, 12, 31, 23, 59, 59, 999), makeTime(2026, 1, 1, 0, 0, 0, 0), 1},
        {makeTime(2024, 2, 28, 12, 0, 0, 0), makeTime(2024, 3, 1, 12, 0, 0, 0), 172800000},
        {makeTime(2026, 5, 5, 10, 0, 0, 0), makeTime(2026, 5, 5, 10, 0, 1, 500), 1500},
        {makeTime(2026, 5, 5, 10, 0, 0, 0), makeTime(2026, 5, 5, 10, 0, 0, 0), 0},
        // The clock set back: the stamp lies in the future.
        {makeTime(2026, 5, 5, 10, 0, 0, 1), makeTime(2026, 5, 5, 10, 0, 0, 0), -1},
        {makeTime(2026, 1, 2, 0, 0, 0, 100), makeTime(2026, 1, 1, 23, 59, 59, 900), -200},
    };
    for (const Case& c : cases) {
        ManualClock clock;
        ASSERT_TRUE(clock.set(c.now));
        TimeStamp stamp;
        stamp.time = c.stamp;
        stamp.isNull = false;
        EXPECT_EQ(elapsedMs(stamp, clock), c.ms) << c.ms;
    }
}

TEST(ElapsedMs, NullAndUnconvertibleStamps) {
    ManualClock clock;
    ASSERT_TRUE(clock.set(makeTime(2026, 1, 1, 12, 0, 0, 0)));
    TimeStamp null;
    EXPECT_EQ(elapsedMs(null, clock), 0);

    // A stamp that does not convert counts from the start of the count (1601).
    TimeStamp broken;
    broken.isNull = false;
    broken.time = makeTime(2026, 2, 30, 0, 0, 0, 0);
    EXPECT_EQ(elapsedMs(broken, clock), 134117424000000000LL / 10000);

    // A reading of now that does not convert makes the result 0.
    struct BrokenClock : Clock {
        LocalTime now() override { return makeTime(2026, 13, 1, 0, 0, 0, 0); }
    } brokenNow;
    TimeStamp fine;
    stampNow(fine, clock);
    EXPECT_EQ(elapsedMs(fine, brokenNow), 0);
}

TEST(SystemClock, ReadsAValidAdvancingLocalTime) {
    SystemClock clock;
    TimeStamp stamp;
    stampNow(stamp, clock);
    std::int64_t count = 0;
    EXPECT_TRUE(clock.toHundredNs(stamp.time, count));
    EXPECT_GE(stamp.time.year, 2020);
    const std::int64_t e = elapsedMs(stamp, clock);
    EXPECT_GE(e, 0);
    EXPECT_LT(e, 60000);
}

TEST(SystemClock, ConversionAgreesWithTheCalendar) {
    // On Windows this is SystemTimeToFileTime; it must agree with the portable arithmetic
    // that the manual clock uses, including what it refuses. (Wine's conversion takes 29
    // February of any year, so that case is left to the calendar test above.)
    SystemClock clock;
    const LocalTime times[] = {
        makeTime(1601, 1, 1, 0, 0, 0, 0),       makeTime(1970, 1, 1, 0, 0, 0, 0),
        makeTime(2024, 2, 29, 23, 59, 59, 999), makeTime(2026, 1, 1, 12, 0, 0, 0),
        makeTime(2100, 3, 1, 1, 2, 3, 4),       makeTime(30827, 12, 31, 23, 59, 59, 999),
        makeTime(2026, 2, 30, 0, 0, 0, 0),      makeTime(2026, 1, 1, 24, 0, 0, 0),
        makeTime(2026, 4, 31, 0, 0, 0, 0),      makeTime(2026, 1, 1, 0, 0, 0, 1000),
        makeTime(1600, 12, 31, 0, 0, 0, 0),
    };
    for (const LocalTime& t : times) {
        std::int64_t platform = -1;
        std::int64_t portable = -1;
        const bool platformOk = clock.toHundredNs(t, platform);
        EXPECT_EQ(platformOk, calendarToHundredNs(t, portable)) << t.year << "-" << t.month;
        if (platformOk) {
            EXPECT_EQ(platform, portable) << t.year << "-" << t.month;
        }
    }
}

} // namespace
