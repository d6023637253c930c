// The leaderboard file on the real file system: folders, ranking, the ten kept lines, bad
// files and failed writes that must never lose the old leaderboard.
#include "leaderboard/leaderboard_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <gtest/gtest.h>

#include "tests/util/test_support.h"
#include "util/files.h"
#include "util/text.h"

using testsupport::ReadBytes;
using testsupport::ScratchDir;
using testsupport::WriteBytes;
using Lines = std::vector<ScoreEntry>;
using namespace std::string_literals;

#ifdef _WIN32
const std::string kSep = "\\";
#else
const std::string kSep = "/";
#endif

namespace {

// Every test gets its own program folder. Natively the data folder itself is a fresh
// scratch folder; under Windows it is the real local application-data folder, so the
// program folder gets a unique name and is removed afterwards.
class LeaderboardTest : public testing::Test {
  protected:
    LeaderboardTest()
#ifndef _WIN32
        : dataHome("XDG_DATA_HOME", scratch.Path())
#endif
    {
        appName = testsupport::UniqueName("VorbinTest");
        appFolder = WithTrailingSeparator(LocalAppDataFolder()) + appName;
        scoreFolder = WithTrailingSeparator(WithTrailingSeparator(appFolder) + "Score");
        filePath = scoreFolder + "Classifica.txt";
    }
    ~LeaderboardTest() override {
        std::error_code ec;
        std::filesystem::remove_all(appFolder, ec);
    }

    // Makes the folders and puts these exact bytes in the leaderboard file.
    void WriteFile(const std::string& bytes) {
        ASSERT_EQ(LeaderboardFile::ScoreFolder(appName), scoreFolder);
        WriteBytes(filePath, bytes);
    }

    ScratchDir scratch;
#ifndef _WIN32
    testsupport::EnvOverride dataHome;
#endif
    std::string appName, appFolder, scoreFolder, filePath;
};

// The line text FormMain records: the name in 12 columns, then the level.
std::string Result(const std::string& name, int level) {
    return PadRight(name, ' ', 12) + " Livello " + FormatInt64(level);
}

std::string CrLfJoined(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace

TEST_F(LeaderboardTest, FirstRunMakesTheFoldersAndTheFirstAddOneLine) {
    LeaderboardFile board(appName);
    EXPECT_TRUE(board.Load().empty());
    EXPECT_FALSE(board.failed); // a missing file is no failure
    EXPECT_TRUE(std::filesystem::is_directory(scoreFolder));
    EXPECT_FALSE(FileExists(filePath));

    ASSERT_TRUE(board.Add(150, Result("MARIO", 2)));
    EXPECT_EQ(ReadBytes(filePath), "00000150 MARIO        Livello 2\r\n");
    EXPECT_EQ(board.Load(), Lines{"00000150 MARIO        Livello 2"});
    EXPECT_FALSE(board.failed);
}

TEST_F(LeaderboardTest, ScoreFieldIsEightCharacters) {
    const struct {
        int score;
        const char* line;
    } cases[] = {
        {0, "00000000 X"},
        {-5, "000000-5 X"},
        {99999999, "99999999 X"},
        {123456789, "23456789 X"}, // only the last eight characters stay
    };
    for (const auto& c : cases) {
        std::error_code ec;
        std::filesystem::remove(filePath, ec);
        LeaderboardFile board(appName);
        ASSERT_TRUE(board.Add(c.score, "X"));
        EXPECT_EQ(board.Load(), Lines{c.line}) << c.score;
    }
}

TEST_F(LeaderboardTest, SaveRanksLinesByteWiseDescending) {
    const Lines ranked = {
        "\xE0 high byte", // bytes above 0x7F rank above letters
        "Zeta",           // a letter ranks above every score
        "00000999 " + Result("ANNA", 1),
        "00000150 " + Result("ZORRO", 1),
        "00000150 " + Result("ANNALISA", 1),
        "00000150 " + Result("ANNA", 9), // level 9 above level 10 (text order)
        "00000150 " + Result("ANNA", 10),
        "00000150 ANNA", // a prefix ranks below the longer line
        " blank first",
        "",
    };
    Lines shuffled = {ranked[7], ranked[9], ranked[2], ranked[0], ranked[5],
                      ranked[8], ranked[3], ranked[6], ranked[1], ranked[4]};
    LeaderboardFile board(appName);
    ASSERT_TRUE(board.Save(shuffled));
    EXPECT_EQ(board.Load(), ranked);
    EXPECT_EQ(ReadBytes(filePath), CrLfJoined(ranked));
}

TEST_F(LeaderboardTest, KeepsTheTenBestAndIdenticalLines) {
    LeaderboardFile board(appName);
    ASSERT_TRUE(board.Add(500, Result("TWIN", 3)));
    for (int score = 100; score <= 1000; score += 100)
        ASSERT_TRUE(board.Add(score, Result("P", 1)));
    // Eleven results: the lowest (100) is gone, both identical 500 lines stay.
    Lines lines = board.Load();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front(), "00001000 " + Result("P", 1));
    EXPECT_EQ(lines.back(), "00000200 " + Result("P", 1));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "00000500 " + Result("TWIN", 3)), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "00000500 " + Result("P", 1)), 1);

    ASSERT_TRUE(board.Add(300, Result("P", 1)));
    lines = board.Load();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "00000300 " + Result("P", 1)), 2);
}

TEST_F(LeaderboardTest, HandEditedFileLoadsAsIsAndIsCutOnSave) {
    // LF line ends, twelve lines, two of them empty, no final break.
    WriteFile("00000001 A\n\n00000012 L\n00000003 C\n00000004 D\n00000005 E\n"
              "00000006 F\n00000007 G\n\n00000009 I\n00000010 J\n00000011 K");
    LeaderboardFile board(appName);
    Lines lines = board.Load();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "00000001 A");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[11], "00000011 K");

    ASSERT_TRUE(board.Save(lines));
    EXPECT_EQ(ReadBytes(filePath),
              "00000012 L\r\n00000011 K\r\n00000010 J\r\n00000009 I\r\n00000007 G\r\n"
              "00000006 F\r\n00000005 E\r\n00000004 D\r\n00000003 C\r\n00000001 A\r\n");
}

TEST_F(LeaderboardTest, BadFilesLoadAndSaveSafely) {
    std::string many;
    for (int i = 0; i < 5000; ++i)
        many += FormatZeroPadded(i, 8) + " N\r\n";
    const struct {
        const char* what;
        std::string bytes;
        std::size_t loaded; // lines Load returns
    } cases[] = {
        {"binary", "\x01\xFF\x7F\x80\r\x1B[0m\n\xC3\xA8"s, 2},
        {"NULs", "00000005 A\0hidden\r\n\0\0\0\r\n00000007 B"s, 3},
        {"long line", std::string(1 << 20, '9') + "\r\nshort\r\n", 2},
        {"thousands of lines", many, 5000},
        {"CR only", "00000001 A\r00000002 B\r00000003 C\r", 1},
        {"no final break", "00000001 A\r\n00000002 B", 2},
        {"empty", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(c.bytes);
        LeaderboardFile board(appName);
        Lines lines = board.Load();
        EXPECT_FALSE(board.failed);
        EXPECT_EQ(lines.size(), c.loaded);

        ASSERT_TRUE(board.Save(lines));
        Lines saved = board.Load();
        EXPECT_LE(saved.size(), 10u);
        EXPECT_TRUE(std::is_sorted(saved.begin(), saved.end(), std::greater<>()));
        EXPECT_EQ(ReadBytes(filePath), CrLfJoined(saved));
    }
}

TEST_F(LeaderboardTest, UnobtainableFolderFailsWithoutWriting) {
    // The program folder cannot be made because its parent is missing.
    std::string missingParent = appName + kSep + "App";
    LeaderboardFile board(missingParent);
    EXPECT_TRUE(board.Load().empty());
    EXPECT_TRUE(board.failed);
    EXPECT_FALSE(board.Add(150, "X"));
    EXPECT_TRUE(board.failed);
    EXPECT_FALSE(board.Save({"A"}));
    EXPECT_TRUE(board.failed);
    EXPECT_EQ(LeaderboardFile::ScoreFolder(missingParent), "");
    EXPECT_FALSE(FileExists(appFolder));

    // A plain file where the program folder belongs: "Score" cannot be made inside it.
    WriteBytes(appFolder, "in the way");
    LeaderboardFile blocked(appName);
    EXPECT_TRUE(blocked.Load().empty());
    EXPECT_TRUE(blocked.failed);
    EXPECT_FALSE(blocked.Add(150, "X"));
    EXPECT_EQ(ReadBytes(appFolder), "in the way");
}

TEST_F(LeaderboardTest, FailedWriteKeepsTheOldFile) {
    const std::string old = "00000900 OLD\r\n00000100 OLDER\r\n";
    WriteFile(old);
    // A folder where the temporary file would go: the new content cannot be written.
    std::filesystem::create_directory(filePath + ".tmp");
    WriteBytes(filePath + ".tmp" + kSep + "keep", "x");

    LeaderboardFile board(appName);
    EXPECT_FALSE(board.Save({"00000500 NEW"}));
    EXPECT_FALSE(board.failed);         // the folder was there; only the write failed
    EXPECT_TRUE(board.Add(500, "NEW")); // Add reports only on the folder
    EXPECT_FALSE(board.failed);
    EXPECT_EQ(ReadBytes(filePath), old);
    EXPECT_EQ(board.Load(), (Lines{"00000900 OLD", "00000100 OLDER"}));
}

TEST_F(LeaderboardTest, UnreplaceableFileLeavesNoTemporaryFile) {
    // A folder stands where the file belongs: the finished temporary file cannot replace it.
    ASSERT_EQ(LeaderboardFile::ScoreFolder(appName), scoreFolder);
    std::filesystem::create_directory(filePath);
    WriteBytes(filePath + kSep + "keep", "x");

    LeaderboardFile board(appName);
    EXPECT_TRUE(board.Load().empty());
    EXPECT_FALSE(board.Save({"00000500 NEW"}));
    EXPECT_FALSE(board.failed);
    EXPECT_TRUE(std::filesystem::is_directory(filePath));
    EXPECT_FALSE(FileExists(filePath + ".tmp"));
}

TEST_F(LeaderboardTest, StaleTemporaryFileIsIgnored) {
    // What a crash between writing and replacing leaves behind.
    WriteFile("00000300 REAL\r\n");
    WriteBytes(filePath + ".tmp", "99999999 HALF WRIT");
    LeaderboardFile board(appName);
    EXPECT_EQ(board.Load(), Lines{"00000300 REAL"});
    ASSERT_TRUE(board.Add(200, "NEXT"));
    EXPECT_EQ(ReadBytes(filePath), "00000300 REAL\r\n00000200 NEXT\r\n");
    EXPECT_FALSE(FileExists(filePath + ".tmp"));
}

#ifndef _WIN32
// Without any data folder the leaderboard lives below the current directory.
TEST_F(LeaderboardTest, NoDataFolderUsesTheCurrentDirectory) {
    testsupport::EnvOverride xdg("XDG_DATA_HOME", std::nullopt);
    testsupport::EnvOverride home("HOME", std::nullopt);
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(scratch.Path());

    LeaderboardFile board("Vorbin");
    EXPECT_EQ(LeaderboardFile::ScoreFolder("Vorbin"), "Vorbin/Score/");
    EXPECT_TRUE(board.Add(10, "HERE"));
    EXPECT_EQ(ReadBytes(scratch.Path("Vorbin/Score/Classifica.txt")), "00000010 HERE\r\n");

    std::filesystem::current_path(before);
}
#endif
