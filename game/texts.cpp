// Formatting of the score boxes and the marquee line, and the marquee's rotation.
#include "game/texts.h"

#include "util/text.h"

const char* const MessageLevelDone = "Livello completato!";
const char* const MessageGameWon = "Bravo. Gioco completato!";
const char* const MessageGameOver = "Fine gioco!";

std::string scoreBoxText(int score) {
    return "Punteggio: " + FormatZeroPadded(score, 5);
}

std::string levelBoxText(int level) {
    return "Livello: " + FormatZeroPadded(level, 2);
}

std::string livesBoxText(int lives) {
    return "Vite: " + FormatInt64(lives);
}

std::string marqueeLineText(int rank, const std::string& line) {
    return "Classifica: " + FormatInt64(rank) + "\xB0 Punteggio " + line;
}

bool advanceMarquee(const std::vector<std::string>& lines, int& index, std::string& text) {
    if (lines.empty())
        return false;
    if (index < 0 || static_cast<std::size_t>(index) >= lines.size()) {
        text.clear();
        index = 0;
        return true;
    }
    text = marqueeLineText(index + 1, lines[static_cast<std::size_t>(index)]);
    ++index;
    return true;
}
