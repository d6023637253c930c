// Fuzzer: arbitrary bytes as the leaderboard file, then Load, Save and Load again. The saved
// file must hold at most ten lines, best first, each ending in CR LF, and read back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "leaderboard/leaderboard_file.h"
#include "tests/fuzz/fuzz_support.h"
#include "util/files.h"

namespace {

const char kApp[] = "Vorbin";

// The data folder points into the fuzzer's own scratch folder for the whole run.
const std::string& LeaderboardPath() {
    static FuzzScratch scratch;
    static const std::string path = [] {
        ::setenv("XDG_DATA_HOME", scratch.root.c_str(), 1);
        std::string folder = LeaderboardFile::ScoreFolder(kApp);
        FUZZ_CHECK(!folder.empty());
        return folder + "Classifica.txt";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = LeaderboardPath();
    WriteAll(path, data, size);

    LeaderboardFile board(kApp);
    std::vector<ScoreEntry> loaded = board.Load();
    FUZZ_CHECK(!board.failed);

    // std::string compares bytes as unsigned values, shorter prefix first: the ranking.
    std::vector<ScoreEntry> best = loaded;
    std::sort(best.begin(), best.end(), std::greater<ScoreEntry>());
    if (best.size() > 10)
        best.resize(10);

    FUZZ_CHECK(board.Save(loaded));
    FUZZ_CHECK(!board.failed);
    std::string expected;
    for (const ScoreEntry& line : best)
        expected += line + "\r\n";
    FUZZ_CHECK(ReadAll(path) == expected);
    FUZZ_CHECK(!FileExists(path + ".tmp"));

    std::vector<ScoreEntry> reloaded = board.Load();
    FUZZ_CHECK(reloaded == best);
    FUZZ_CHECK(reloaded.size() <= 10);
    FUZZ_CHECK(std::is_sorted(reloaded.begin(), reloaded.end(), std::greater<ScoreEntry>()));
    return 0;
}
