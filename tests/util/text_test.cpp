// Text helpers: the 8-bit/UTF-16 bridges, the number formats, padding and replacing.
#include "util/text.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

TEST(Text, WideAndNarrowRoundTripHighBytes) {
    std::wstring w = ToWide("\xC8\xB0");
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0], L'\u00C8');
    EXPECT_EQ(w[1], L'\u00B0');
    EXPECT_EQ(ToNarrow(w), "\xC8\xB0");
}

TEST(Text, WideStopsAtTheFirstNul) {
    EXPECT_EQ(ToWide(std::string("AB\0CD", 5)), L"AB");
    EXPECT_EQ(ToWide(""), L"");
}

TEST(Text, NarrowKeepsLowBitsAndLength) {
    EXPECT_EQ(ToNarrow(L"\u0141"), "A");    // L with stroke: its low byte is 0x41
    EXPECT_EQ(ToNarrow(L"\u20AC"), "\xAC"); // euro sign
    EXPECT_EQ(ToNarrow(std::wstring(L"A\0B", 3)), std::string("A\0B", 3));
}

TEST(Text, FormatInt64) {
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {-1, "-1"},
        {1500, "1500"},
        {std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
        {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatInt64(c.value), c.text) << c.text;
}

TEST(Text, FormatZeroPadded) {
    const struct {
        int value, width;
        const char* text;
    } cases[] = {
        {150, 8, "00000150"}, {123456789, 8, "123456789"},
        {7, 2, "07"},         {-5, 8, "000000-5"},
        {0, 8, "00000000"},   {42, 0, "42"},
        {42, -3, "42"},       {std::numeric_limits<int>::min(), 8, "-2147483648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatZeroPadded(c.value, c.width), c.text) << c.value << " in " << c.width;
}

TEST(Text, PadRightFillsButNeverShortens) {
    EXPECT_EQ(PadRight("MARIO", ' ', 12), "MARIO       ");
    EXPECT_EQ(PadRight("ABCDEFGHIJKLMNO", ' ', 12), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(PadRight("", '*', 3), "***");
    EXPECT_EQ(PadRight("AB", '*', 0), "AB");
}

TEST(Text, ReplaceAll) {
    const struct {
        const char *text, *what, *with, *result;
    } cases[] = {
        {"nothing here", "%v", "1.1", "nothing here"},
        {"v%v and %v", "%v", "1.1", "v1.1 and 1.1"},
        {"", "a", "b", ""},
        {"abc", "", "x", "abc"},     // an empty pattern would match forever
        {"a-a", "a", "aa", "aa-aa"}, // the replacement holds the pattern
        {"aaaa", "aa", "a", "aa"},   // replacing creates a new occurrence
        {"x.y.z", ".", "", "xyz"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.what, c.with), c.result)
            << "'" << c.text << "' '" << c.what << "' '" << c.with << "'";
}
