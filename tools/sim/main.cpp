// vorbin-sim: reads runner commands from standard input and prints what they ask for.
#include <iostream>

#include "leaderboard/leaderboard_file.h"
#include "tools/sim/console.h"
#include "tools/sim/runner.h"

int main() {
    useBinaryOutput();
    SimRunner runner(LeaderboardFile("Vorbin").Load());
    runner.run(std::cin, std::cout, std::cerr);
    return 0;
}
