// The text a finished game puts on its leaderboard line, after the score.
#pragma once

#include <string>

namespace MyGame {

// The name padded with blanks to at least 12 characters, " Livello " and the level
// ("MARIO        Livello 4"). Control bytes of the name (below 0x20, and 0x7F) are stored
// as '?': a typed character whose low 8 bits are LF, CR or NUL would otherwise split the
// line or cut it short in the file.
std::string leaderboardText(const std::string& name, int level);

} // namespace MyGame
