// What the game asks of its front end: texts, sounds and the start and end of a game.
#pragma once

#include <string>

// Resource numbers of the three sounds.
constexpr int SoundKey = 1008;
constexpr int SoundDoor = 1009;
constexpr int SoundCaught = 1013;

// The main form implements this to show the game; headless runs use NullDisplay. No call
// may change a game value: the rules behave the same with or without a display.
class GameDisplay {
  public:
    virtual ~GameDisplay() = default;
    // The three score boxes, already formatted ("Punteggio: 00000", "Livello: 01", "Vite: 3").
    virtual void showScoreBoxes(const std::string& score, const std::string& level,
                                const std::string& lives) = 0;
    // The message line above the field; empty clears it.
    virtual void showMessage(const std::string& text) = 0;
    // The strip along the top edge with one leaderboard line, or empty.
    virtual void showMarquee(const std::string& text) = 0;
    virtual void playSound(int resourceId) = 0;
    // A new game has begun: the play button reads "ABBANDONA", "&Vite infinite" is greyed.
    virtual void gameStarted() = 0;
    // The player abandoned the game: "GIOCA" again, "&Vite infinite" enabled.
    virtual void gameAbandoned() = 0;
    // The game ended (last life lost, or the door of the last level passed): "GIOCA" again,
    // "&Vite infinite" enabled, and the name entry when Game::scoreCounts() says so. The game
    // has already shown "Fine gioco!" and cleared `running`.
    virtual void gameOver() = 0;
};

// A display that shows nothing: headless runs and simulations.
class NullDisplay : public GameDisplay {
  public:
    void showScoreBoxes(const std::string&, const std::string&, const std::string&) override {}
    void showMessage(const std::string&) override {}
    void showMarquee(const std::string&) override {}
    void playSound(int) override {}
    void gameStarted() override {}
    void gameAbandoned() override {}
    void gameOver() override {}
};
