// The leaderboard text of a finished game: padding, level and control bytes of the name.
#include "mainform/score_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LeaderboardText, PadsTheNameAndKeepsEveryPrintableByte) {
    const struct {
        std::string name;
        int level;
        std::string expected;
    } cases[] = {
        {"MARIO", 4, "MARIO" + std::string(7, ' ') + " Livello 4"},
        {"", 10, std::string(12, ' ') + " Livello 10"},
        {"ABCDEFGHIJKLMN", 1, "ABCDEFGHIJKLMN Livello 1"}, // longer names are not cut
        {"  ", 2, std::string(12, ' ') + " Livello 2"},
        // Code page 1252 letters and the bytes 0x80..0x9F stay as they are.
        {"\xC8\xE8\x80\x9F\xFF", 3, "\xC8\xE8\x80\x9F\xFF" + std::string(7, ' ') + " Livello 3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MyGame::leaderboardText(c.name, c.level), c.expected) << c.name;
}

TEST(LeaderboardText, ControlBytesBecomeQuestionMarks) {
    const std::string name{'A', '\n', 'B', '\0', 'C', '\r', '\x1F', '\x7F', ' ', '~'};
    EXPECT_EQ(MyGame::leaderboardText(name, 5), "A?B?C??? ~" + std::string(2, ' ') + " Livello 5");
}

} // namespace
