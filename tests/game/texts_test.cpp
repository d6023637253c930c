// The score-box texts and the marquee rotation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/texts.h"

namespace {

TEST(ScoreBoxes, Formats) {
    EXPECT_EQ(scoreBoxText(0), "Punteggio: 00000");
    EXPECT_EQ(scoreBoxText(1500), "Punteggio: 01500");
    EXPECT_EQ(scoreBoxText(123456), "Punteggio: 123456");
    EXPECT_EQ(levelBoxText(0), "Livello: 00");
    EXPECT_EQ(levelBoxText(1), "Livello: 01");
    EXPECT_EQ(levelBoxText(10), "Livello: 10");
    EXPECT_EQ(livesBoxText(0), "Vite: 0");
    EXPECT_EQ(livesBoxText(999), "Vite: 999");
}

TEST(Marquee, CyclesThroughTheLinesWithOneEmptyPeriod) {
    const std::vector<std::string> lines = {"00035000 ANNA", "00001500 BO", "00000007 C"};
    int index = 0;
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i) {
        std::string text = "unchanged";
        ASSERT_TRUE(advanceMarquee(lines, index, text));
        shown.push_back(text);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Classifica: 1\xB0 Punteggio 00035000 ANNA",
                                               "Classifica: 2\xB0 Punteggio 00001500 BO",
                                               "Classifica: 3\xB0 Punteggio 00000007 C", "",
                                               "Classifica: 1\xB0 Punteggio 00035000 ANNA"}));
    EXPECT_EQ(index, 1);
}

TEST(Marquee, NoLinesChangeNothing) {
    int index = 3;
    std::string text = "old";
    EXPECT_FALSE(advanceMarquee({}, index, text));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(text, "old");
}

TEST(Marquee, IndexCarriesOverWhenTheLinesAreReloaded) {
    std::vector<std::string> lines = {"a", "b", "c", "d", "e"};
    int index = 3;
    std::string text;
    ASSERT_TRUE(advanceMarquee(lines, index, text)); // shows line 4 of 5
    EXPECT_EQ(text, "Classifica: 4\xB0 Punteggio d");
    lines.insert(lines.begin(), "new"); // a new best result is recorded
    ASSERT_TRUE(advanceMarquee(lines, index, text));
    EXPECT_EQ(text, "Classifica: 5\xB0 Punteggio d");

    // A reload to fewer lines than the index gives the empty period, then line 1.
    lines = {"only"};
    ASSERT_TRUE(advanceMarquee(lines, index, text));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(advanceMarquee(lines, index, text));
    EXPECT_EQ(text, "Classifica: 1\xB0 Punteggio only");
}

} // namespace
