// The leaderboard file: load its lines, add a result, rank and rewrite it safely.
#include "leaderboard/leaderboard_file.h"

#include <algorithm>

#include "util/files.h"
#include "util/text.h"

namespace {

const char kFileName[] = "Classifica.txt";
// The new content is written here first and then moved over the file in one step, so a
// crash or a full disk never leaves a half-written leaderboard. Load never reads it.
const char kTempSuffix[] = ".tmp";
const std::size_t kKeptLines = 10;

// Byte-wise as unsigned values; a line that is a prefix of another ranks lower. Because
// the score field has a fixed width, this ranks score lines by score.
bool RanksHigher(const ScoreEntry& a, const ScoreEntry& b) {
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

} // namespace

std::string LeaderboardFile::ScoreFolder(const std::string& appName) {
    // One level at a time: nothing above the program's own folder is ever created.
    std::string dir = WithTrailingSeparator(LocalAppDataFolder()) + appName;
    if (!FileExists(dir) && !EnsureDirectory(dir))
        return std::string();
    dir = WithTrailingSeparator(dir) + "Score";
    if (!FileExists(dir) && !EnsureDirectory(dir))
        return std::string();
    return WithTrailingSeparator(dir);
}

std::vector<ScoreEntry> LeaderboardFile::Load() {
    failed = false;
    std::string folder = ScoreFolder(appName);
    if (folder.empty()) {
        failed = true;
        return {};
    }
    std::string path = folder + kFileName;
    if (!FileExists(path))
        return {}; // the first run: no results yet
    // A file that exists but does not open simply has no lines.
    return LineFile(path).ReadLines();
}

bool LeaderboardFile::Add(int score, std::string text) {
    std::vector<ScoreEntry> lines = Load();
    if (failed)
        return false;
    std::string field = FormatZeroPadded(score, 8);
    if (field.size() > 8)
        field.erase(0, field.size() - 8); // the last eight characters stay
    lines.push_back(field + " " + text);
    // Only an unobtainable folder makes Add fail; a failed write leaves the old file.
    Save(std::move(lines));
    return !failed;
}

bool LeaderboardFile::Save(std::vector<ScoreEntry> lines) {
    failed = false;
    std::sort(lines.begin(), lines.end(), RanksHigher);
    if (lines.size() > kKeptLines)
        lines.resize(kKeptLines);
    std::string folder = ScoreFolder(appName);
    if (folder.empty()) {
        failed = true;
        return false;
    }
    std::string path = folder + kFileName;
    std::string temp = path + kTempSuffix;
    // WriteLines flushes the data to disk before the temp file replaces the old one.
    if (!LineFile(temp).WriteLines(std::move(lines)) || !ReplaceFileAtomically(temp, path)) {
        RemoveFile(temp);
        return false;
    }
    return true;
}
