// The runner's commands: parsing a line and acting on the game as the main form would.
#include "tools/sim/runner.h"

#include <cstdint>
#include <istream>
#include <ostream>
#include <sstream>

#include "tools/sim/autoplay.h"

namespace {

// A decimal integer filling the whole token, within [low, high].
bool parseInt(const std::string& token, std::int64_t low, std::int64_t high, std::int64_t& out) {
    std::size_t i = !token.empty() && (token[0] == '-' || token[0] == '+') ? 1 : 0;
    if (i == token.size() || token.size() - i > 18) // 18 digits cannot overflow
        return false;
    std::int64_t value = 0;
    for (; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9')
            return false;
        value = value * 10 + (token[i] - '0');
    }
    if (token[0] == '-')
        value = -value;
    if (value < low || value > high)
        return false;
    out = value;
    return true;
}

// "YYYY-MM-DD HH:MM:SS.mmm", every field with exactly its digits.
bool parseClock(const std::string& date, const std::string& time, LocalTime& out) {
    if (date.size() != 10 || time.size() != 12 || date[4] != '-' || date[7] != '-' ||
        time[2] != ':' || time[5] != ':' || time[8] != '.')
        return false;
    const std::string text = date + " " + time;
    int* fields[] = {&out.year,   &out.month,  &out.day,        &out.hour,
                     &out.minute, &out.second, &out.millisecond};
    const std::size_t starts[] = {0, 5, 8, 11, 14, 17, 20};
    const std::size_t lengths[] = {4, 2, 2, 2, 2, 2, 3};
    for (int f = 0; f < 7; ++f) {
        const std::string digits = text.substr(starts[f], lengths[f]);
        for (char c : digits)
            if (c < '0' || c > '9')
                return false;
        *fields[f] = std::stoi(digits);
    }
    return true;
}

bool parseInput(const std::string& name, InputCode& out) {
    static const struct {
        const char* name;
        InputCode code;
    } names[] = {{"left", InputLeft}, {"right", InputRight}, {"up", InputUp},
                 {"down", InputDown}, {"fire", InputFire},   {"none", InputNone}};
    for (const auto& n : names)
        if (name == n.name) {
            out = n.code;
            return true;
        }
    return false;
}

} // namespace

SimRunner::SimRunner(std::vector<std::string> rankingLines) : game(clock, input, display) {
    LocalTime start;
    start.year = 2026;
    start.month = 1;
    start.day = 1;
    start.hour = 12;
    clock.set(start);
    game.refreshHud();
    game.rankingLines = std::move(rankingLines);
    game.showIdlePicture();
}

void SimRunner::run(std::istream& in, std::ostream& out, std::ostream& err) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back(); // scripts written on Windows
        execute(line, out, err);
        out.flush();
    }
}

void SimRunner::execute(const std::string& line, std::ostream& out, std::ostream& err) {
    std::istringstream words(line);
    std::vector<std::string> args;
    for (std::string w; words >> w;)
        args.push_back(w);
    if (args.empty() || args[0][0] == '#')
        return;
    const std::string& cmd = args[0];
    const std::size_t n = args.size();
    std::int64_t value = 0;

    if (cmd == "play" && n == 1) {
        if (game.running)
            game.abandonGame();
        else
            game.newGame();
    } else if (cmd == "infinite" && n == 2 && (args[1] == "on" || args[1] == "off")) {
        if (game.running)
            err << "error: option disabled while a game runs\n";
        else
            game.infiniteLives = args[1] == "on";
    } else if (cmd == "hold" && n == 2) {
        InputCode code = InputNone;
        if (parseInput(args[1], code))
            input.hold(code);
        else
            err << "error: hold takes left, right, up, down, fire or none\n";
    } else if (cmd == "tick" && n <= 2) {
        value = 1;
        if (n == 2 && !parseInt(args[1], 0, 100000000, value))
            err << "error: tick takes a count from 0 to 100000000\n";
        else
            for (std::int64_t i = 0; i < value; ++i)
                runTick(game, clock);
    } else if (cmd == "advance" && n == 2) {
        if (!parseInt(args[1], -INT64_MAX / 10000, INT64_MAX / 10000, value))
            err << "error: advance takes a number of milliseconds\n";
        else if (!clock.advanceMs(value))
            err << "error: the clock cannot go that far\n";
    } else if (cmd == "clock" && n == 3) {
        LocalTime t;
        if (!parseClock(args[1], args[2], t) || !clock.set(t))
            err << "error: clock takes a valid time as YYYY-MM-DD HH:MM:SS.mmm\n";
    } else if (cmd == "state" && n == 1) {
        printState(out);
    } else if (cmd == "board" && n == 1) {
        printBoard(out);
    } else if (cmd == "hud" && n == 1) {
        printHud(out);
    } else if (cmd == "sounds" && n == 1) {
        printSounds(out);
    } else if (cmd == "autoplay" && n == 1) {
        if (!autoplay(game, clock, input))
            err << "error: autoplay found no safe way to the end of the game\n";
        printState(out);
    } else {
        err << "error: unknown command or wrong arguments: " << line << "\n";
    }
}

void SimRunner::printState(std::ostream& out) const {
    out << "running=" << game.running << " level=" << game.level << " score=" << game.score
        << " lives=" << game.lives << " hasKey=" << game.hasKey << " caught=" << game.caught
        << " levelDone=" << game.levelDone << " player=" << game.playerCol << "," << game.playerRow
        << " walkers=" << game.walkers.size() << " traps=" << game.traps.size() << "\n";
}

void SimRunner::printBoard(std::ostream& out) const {
    for (int row = 0; row < BoardSide; ++row) {
        for (int col = 0; col < BoardSide; ++col)
            out << (col ? " " : "") << game.board.tileAt(cellIndex(col, row));
        out << "\n";
    }
}

void SimRunner::printHud(std::ostream& out) const {
    out << "score: " << display.scoreText << "\n"
        << "level: " << display.levelText << "\n"
        << "lives: " << display.livesText << "\n"
        << "message: " << display.message << "\n"
        << "marquee: " << display.marquee << "\n";
}

void SimRunner::printSounds(std::ostream& out) {
    if (display.sounds.empty())
        out << "none";
    for (std::size_t i = 0; i < display.sounds.size(); ++i)
        out << (i ? " " : "") << display.sounds[i];
    out << "\n";
    display.sounds.clear();
}
