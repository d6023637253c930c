// Line files, folders, the per-user data folder and links, on the real file system.
#include "util/files.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/util/test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

using testsupport::ReadBytes;
using testsupport::ScratchDir;
using testsupport::WriteBytes;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(LineFile, ReadLinesSplitsAtLf) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"A\r\n\r\nB", {"A", "", "B"}},
        {"A\nB\n", {"A", "B"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"A\r\r\n", {"A\r"}},                   // only one CR is the break
        {"A\rB\r", {"A\rB\r"}},                 // CR alone is no break
        {"A\0B\r\nC\0\n\0\n"s, {"A", "C", ""}}, // an entry ends at a NUL
        {"X\0\r"s, {"X"}},                      // NUL in an unfinished line
        {"\xB0\xF2\xFF\n", {"\xB0\xF2\xFF"}},
    };
    ScratchDir dir;
    LineFile file(dir.Path("lines.txt"));
    for (const auto& c : cases) {
        WriteBytes(file.path, c.bytes);
        EXPECT_EQ(file.ReadLines(), c.lines) << testing::PrintToString(c.bytes);
        EXPECT_FALSE(file.failed);
    }
}

TEST(LineFile, ReadLinesOfAMissingFileFailsThenRecovers) {
    ScratchDir dir;
    LineFile file(dir.Path("missing.txt"));
    EXPECT_TRUE(file.ReadLines().empty());
    EXPECT_TRUE(file.failed);
    EXPECT_TRUE(file.openFailed);

    WriteBytes(file.path, "A\r\n");
    EXPECT_EQ(file.ReadLines(), Lines{"A"});
    EXPECT_FALSE(file.failed); // each read starts by clearing both flags
    EXPECT_FALSE(file.openFailed);
}

TEST(LineFile, ReadLinesCopesWithHugeFiles) {
    ScratchDir dir;
    LineFile file(dir.Path("big.txt"));
    std::string longLine(1 << 20, 'x');
    std::string many;
    for (int i = 0; i < 5000; ++i)
        many += "line\n";
    WriteBytes(file.path, longLine + "\r\n" + many);
    Lines lines = file.ReadLines();
    ASSERT_EQ(lines.size(), 5001u);
    EXPECT_EQ(lines[0], longLine);
    EXPECT_EQ(lines[5000], "line");
}

TEST(LineFile, WriteLinesEndsEveryLineWithCrLf) {
    ScratchDir dir;
    LineFile file(dir.Path("out.txt"));
    WriteBytes(file.path, "old content that is longer than the new one\r\n");
    ASSERT_TRUE(file.WriteLines({"A", "", "\xB0 x"}));
    EXPECT_FALSE(file.failed);
    EXPECT_EQ(ReadBytes(file.path), "A\r\n\r\n\xB0 x\r\n");
    EXPECT_EQ(file.ReadLines(), (Lines{"A", "", "\xB0 x"}));

    ASSERT_TRUE(file.WriteLines({}));
    EXPECT_TRUE(std::filesystem::exists(file.path));
    EXPECT_EQ(std::filesystem::file_size(file.path), 0u);
}

TEST(LineFile, WriteLinesIntoAMissingFolderFails) {
    ScratchDir dir;
    LineFile file(dir.Path("no-such-folder/out.txt"));
    EXPECT_FALSE(file.WriteLines({"A"}));
    EXPECT_TRUE(file.failed);
    EXPECT_TRUE(file.openFailed);
}

TEST(Folders, WithTrailingSeparator) {
#ifdef _WIN32
    const std::string sep = "\\";
#else
    const std::string sep = "/";
#endif
    EXPECT_EQ(WithTrailingSeparator(""), "");
    EXPECT_EQ(WithTrailingSeparator("a/"), "a/");
    EXPECT_EQ(WithTrailingSeparator("a\\"), "a\\");
    EXPECT_EQ(WithTrailingSeparator("a"), "a" + sep);
}

TEST(Folders, FileExistsForFilesAndFolders) {
    ScratchDir dir;
    WriteBytes(dir.Path("f.txt"), "x");
    EXPECT_TRUE(FileExists(dir.Path("f.txt")));
    EXPECT_TRUE(FileExists(dir.Path()));
    EXPECT_FALSE(FileExists(dir.Path("nothing")));
    EXPECT_FALSE(FileExists(""));
}

TEST(Folders, EnsureDirectoryMakesOneLevelOnly) {
    ScratchDir dir;
    std::string one = WithTrailingSeparator(dir.Path()) + "one";
    EXPECT_TRUE(EnsureDirectory(one));
    EXPECT_TRUE(std::filesystem::is_directory(one));
    EXPECT_TRUE(EnsureDirectory(one)); // already there

    std::string deep = WithTrailingSeparator(dir.Path()) + "missing";
    EXPECT_FALSE(EnsureDirectory(WithTrailingSeparator(deep) + "two"));
    EXPECT_FALSE(FileExists(deep)); // the parent was not made either
}

TEST(Files, ReplaceFileAtomically) {
    ScratchDir dir;
    WriteBytes(dir.Path("new"), "new");
    WriteBytes(dir.Path("old"), "old");
    ASSERT_TRUE(ReplaceFileAtomically(dir.Path("new"), dir.Path("old")));
    EXPECT_EQ(ReadBytes(dir.Path("old")), "new");
    EXPECT_FALSE(FileExists(dir.Path("new")));

    // Without a source nothing happens to the target.
    EXPECT_FALSE(ReplaceFileAtomically(dir.Path("new"), dir.Path("old")));
    EXPECT_EQ(ReadBytes(dir.Path("old")), "new");
}

TEST(Files, RemoveFileLeavesFoldersAlone) {
    ScratchDir dir;
    WriteBytes(dir.Path("f"), "x");
    EXPECT_TRUE(RemoveFile(dir.Path("f")));
    EXPECT_FALSE(FileExists(dir.Path("f")));
    EXPECT_FALSE(RemoveFile(dir.Path("f")));

    std::filesystem::create_directory(dir.Path("d"));
    EXPECT_FALSE(RemoveFile(dir.Path("d")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path("d")));
}

#ifdef _WIN32

TEST(LocalAppData, IsTheShellsExistingFolder) {
    std::string folder = LocalAppDataFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(FileExists(folder));
    EXPECT_NE(folder.back(), '\\');
}

TEST(LocalAppData, FoldersNamedOutsideTheCodePageStayReachable) {
    // A user folder named in Latin, Polish, Chinese or Cyrillic letters: its 8-bit name must
    // lead the file functions to that very folder, or no result could ever be kept there.
    const wchar_t* const names[] = {L"plain", L"Jos\u00E9", L"\u0141ukasz", L"\u4E2D\u6587",
                                    L"\u0418\u0432\u0430\u043D"};
    ScratchDir dir;
    const std::wstring base = std::filesystem::path(dir.Path()).wstring() + L"\\";
    for (std::size_t i = 0; i < std::size(names); ++i) {
        SCOPED_TRACE(testing::Message() << "folder " << i);
        const std::wstring folder = base + names[i];
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        const std::string narrow = AnsiPathOf(folder);
        EXPECT_TRUE(FileExists(narrow));
        const std::string sub = WithTrailingSeparator(narrow) + "Vorbin";
        ASSERT_TRUE(EnsureDirectory(sub));
        LineFile file(WithTrailingSeparator(sub) + "Classifica.txt");
        ASSERT_TRUE(file.WriteLines({"00001500 MARIO"}));
        EXPECT_EQ(LineFile(file.path).ReadLines(), Lines{"00001500 MARIO"});
        EXPECT_TRUE(
            std::filesystem::exists(std::filesystem::path(folder) / L"Vorbin" / L"Classifica.txt"));
    }
}

TEST(Links, OpeningAMissingFileFails) {
    ScratchDir dir;
    EXPECT_FALSE(OpenLink(dir.Path("no-such-file.txt")));
}

#else

using testsupport::EnvOverride;

TEST(LocalAppData, FollowsXdgThenHome) {
    {
        EnvOverride xdg("XDG_DATA_HOME", "/data/xdg");
        EnvOverride home("HOME", "/home/someone");
        EXPECT_EQ(LocalAppDataFolder(), "/data/xdg");
    }
    {
        EnvOverride xdg("XDG_DATA_HOME", "");
        EnvOverride home("HOME", "/home/someone");
        EXPECT_EQ(LocalAppDataFolder(), "/home/someone/.local/share");
    }
    {
        EnvOverride xdg("XDG_DATA_HOME", std::nullopt);
        EnvOverride home("HOME", std::nullopt);
        EXPECT_EQ(LocalAppDataFolder(), "");
    }
}

// A stand-in xdg-open that records the one argument it was given.
TEST(Links, HandsTheTargetToXdgOpenAsOneArgument) {
    ScratchDir dir;
    std::string opener = dir.Path("xdg-open");
    WriteBytes(opener, "#!/bin/sh\n"
                       "printf '%s|%s' \"$#\" \"$1\" > \"$0.part\"\n"
                       "mv \"$0.part\" \"$0.arg\"\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    const char* oldPath = std::getenv("PATH");
    EnvOverride path("PATH", dir.Path() + ":" + (oldPath ? oldPath : "/usr/bin:/bin"));

    // Quotes, blanks and shell syntax must reach the opener untouched.
    const std::string target = "http://example.com/a b?x='1';touch \"$HOME\"/pwned&y=`id`";
    ASSERT_TRUE(OpenLink(target));
    std::string recorded;
    for (int i = 0; i < 500 && recorded.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        recorded = ReadBytes(opener + ".arg");
    }
    EXPECT_EQ(recorded, "1|" + target);
}

TEST(Links, FailsWithoutAnOpener) {
    ScratchDir dir;
    EnvOverride path("PATH", dir.Path());
    EXPECT_FALSE(OpenLink("http://example.com/"));
}

#endif
