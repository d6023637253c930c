// A display that keeps what the game shows as text: the headless runner and tests.
#pragma once

#include <string>
#include <vector>

#include "game/display.h"

class RecordingDisplay : public GameDisplay {
  public:
    void showScoreBoxes(const std::string& s, const std::string& l, const std::string& v) override {
        scoreText = s;
        levelText = l;
        livesText = v;
    }
    void showMessage(const std::string& text) override { message = text; }
    void showMarquee(const std::string& text) override { marquee = text; }
    void playSound(int resourceId) override { sounds.push_back(resourceId); }
    void gameStarted() override { ++startedCount; }
    void gameAbandoned() override { ++abandonedCount; }
    void gameOver() override { ++gameOverCount; }

    std::string scoreText, levelText, livesText; // the three score boxes
    std::string message;                         // the message line
    std::string marquee;                         // the leaderboard strip
    std::vector<int> sounds;                     // every sound played, oldest first
    int startedCount = 0;
    int abandonedCount = 0;
    int gameOverCount = 0;
};
