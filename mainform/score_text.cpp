// The leaderboard text of a finished game.
#include "mainform/score_text.h"

#include "util/text.h"

namespace MyGame {

namespace {

constexpr unsigned kNameWidth = 12;

bool isControlByte(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

std::string leaderboardText(const std::string& name, int level) {
    std::string shown = name;
    for (char& c : shown) {
        if (isControlByte(c))
            c = '?';
    }
    return PadRight(shown, ' ', kNameWidth) + " Livello " + FormatInt64(level);
}

} // namespace MyGame
