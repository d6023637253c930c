// Text helpers: the 8-bit/UTF-16 bridges and the number formats.
#include "util/text.h"

#include <gtest/gtest.h>

TEST(Text, WideAndNarrowRoundTripHighBytes) {
    std::wstring w = ToWide("\xC8\xB0");
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0], L'\u00C8');
    EXPECT_EQ(w[1], L'\u00B0');
    EXPECT_EQ(ToNarrow(w), "\xC8\xB0");
}
