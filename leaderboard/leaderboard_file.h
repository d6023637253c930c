// The leaderboard file: the ten best results, one line each, best first.
#pragma once

#include <string>
#include <vector>

// One leaderboard line: an eight-digit zero-padded score, a blank and a text.
using ScoreEntry = std::string;

// Made on the stack for one call sequence and then dropped; nothing is cached.
// The file is <local app data>/<appName>/Score/Classifica.txt, CR LF line ends.
class LeaderboardFile {
  public:
    explicit LeaderboardFile(std::string appName) : appName(std::move(appName)) {}

    // The lines of the file in file order; empty when the file is missing or unreadable.
    std::vector<ScoreEntry> Load();
    // Appends "<score padded to 8> <text>" and saves; false only when the folder could
    // not be obtained.
    bool Add(int score, std::string text);
    // Ranks the lines (descending, byte-wise), keeps ten and replaces the file in one step;
    // true when the file was written. On any failure the old file stays as it was.
    bool Save(std::vector<ScoreEntry> lines);
    // The leaderboard folder, created when missing, ending with a separator; empty when it
    // cannot be obtained.
    static std::string ScoreFolder(const std::string& appName);

    std::string appName;
    bool failed = false; // the last Load/Add/Save could not obtain the folder
};
