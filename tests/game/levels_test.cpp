// The ten levels as built, checked cell by cell against the level maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/levels.h"

namespace {

// The level designs, transcribed on their own: rows 1..13 of the interior; '#' Wall,
// 'D' Door, 'K' Key, '^' a trap cell, '1'..'5' the home of that Walker, '.' Floor.
struct ExpectedTrap {
    int cell;
    int periodMs;
};
struct ExpectedWalker {
    int home;
    TileCode tile;
    int colFrom, colTo, rowFrom, rowTo;
    int extraCell;
    int zoneSize;
};
struct ExpectedLevel {
    int number, walls, door, key, entry;
    const char* rows[13];
    std::vector<ExpectedTrap> traps;
    std::vector<ExpectedWalker> walkers;
};

const std::vector<ExpectedLevel>& expectedLevels() {
    static const std::vector<ExpectedLevel> levels = {
        {1,
         57,
         204,
         28,
         196,
         {
             "2...#......#K",
             "....#.####.#.",
             "....#....#.#.",
             ".#..###..#.#.",
             ".#.......#.#.",
             ".#.......#.#.",
             ".#########.#.",
             "...#.....#.#.",
             "...#.....#.#.",
             ".....###.#.#.",
             "1..###...#...",
             "####.....#...",
             ".....###D#3..",
         },
         {},
         {
             {166, WalkerUp, 1, 3, 8, 11, -1, 12},
             {16, WalkerDown, 1, 4, 1, 3, -1, 12},
             {206, WalkerUp, 11, 13, 11, 13, -1, 9},
         }},
        {2,
         40,
         151,
         208,
         24,
         {
             ".........#..2",
             ".#########...",
             "....^........",
             ".#########...",
             ".........#...",
             ".........#...",
             "########.#.##",
             ".........#...",
             "#........#...",
             "D........#...",
             "#........#...",
             ".........#..3",
             ".1.......#..K",
         },
         {{50, 500}},
         {
             {197, WalkerUp, 2, 9, 8, 13, -1, 48},
             {28, WalkerDown, 11, 13, 1, 6, -1, 18},
             {193, WalkerUp, 11, 13, 8, 12, -1, 15},
         }},
        {3,
         52,
         121,
         208,
         163,
         {
             ".....#.......",
             "..#..#.......",
             "..#.....#....",
             "..#.3.2.#....",
             "..#.....#.1..",
             "..#.....#.###",
             "#.#.....#....",
             "D.#.....#....",
             "############.",
             "...^.^.^.....",
             ".############",
             ".....######..",
             ".###........K",
         },
         {{158, 500}, {156, 500}, {154, 500}},
         {
             {86, WalkerUp, 10, 12, 1, 5, -1, 15},
             {67, WalkerRight, 4, 8, 3, 5, 96, 16},
             {65, WalkerUp, 4, 8, 3, 5, 96, 16},
         }},
        {4,
         27,
         28,
         163,
         133,
         {
             "...........#D",
             ".........#.#.",
             "......3..#.#.",
             ".........#...",
             ".........#...",
             ".........#...",
             ".############",
             ".............",
             ".........####",
             "..2......#..K",
             ".....1...#...",
             ".........#...",
             ".........^...",
         },
         {{205, 500}},
         {
             {171, WalkerUp, 3, 9, 8, 13, -1, 42},
             {153, WalkerRight, 3, 9, 8, 13, -1, 42},
             {52, WalkerUp, 5, 9, 1, 6, -1, 30},
         }},
        {5,
         65,
         31,
         118,
         208,
         {
             "#.....3...###",
             "D..2......###",
             "#............",
             "#.....######.",
             "#1....#......",
             "#######.#####",
             "........^^..K",
             ".############",
             ".............",
             "############.",
             ".............",
             ".############",
             "...^.^.^.....",
         },
         {{203, 500}, {201, 1500}, {199, 1700}, {114, 1700}, {115, 1700}},
         {
             {77, WalkerRight, 2, 6, 1, 5, -1, 25},
             {34, WalkerRight, 2, 6, 1, 5, -1, 25},
             {22, WalkerRight, 7, 10, 1, 3, -1, 12},
         }},
        {6,
         28,
         31,
         112,
         43,
         {
             "#............",
             "D..5.........",
             "#............",
             ".............",
             "..######.....",
             "..#..1.#..4..",
             "..#...K#.....",
             "..#....#..##.",
             "..#....#..##.",
             "..#...2#.....",
             "###.###......",
             "..........3..",
             ".............",
         },
         {},
         {
             {96, WalkerDown, 4, 6, 6, 7, -1, 6},
             {157, WalkerLeft, 4, 7, 8, 10, -1, 12},
             {191, WalkerUp, 9, 13, 10, 13, -1, 20},
             {101, WalkerUp, 9, 13, 5, 7, -1, 15},
             {34, WalkerRight, 2, 5, 1, 4, -1, 16},
         }},
        {7,
         41,
         204,
         198,
         43,
         {
             "3.......^^.#.",
             "...#.#####.#.",
             "...#.....#.#.",
             "...#.....#.#.",
             "...#.1...#.#.",
             "4..#.....#.#.",
             "...#.....#.#.",
             "...#.....#.#.",
             "...#.....#.#.",
             "..5#..2..#.#.",
             "...#.....#.#.",
             "...#.....#.#.",
             "..K#...#D#.^.",
         },
         {{207, 500}, {25, 1500}, {24, 1000}},
         {
             {81, WalkerUp, 5, 8, 3, 7, -1, 20},
             {157, WalkerUp, 6, 9, 7, 12, -1, 24},
             {16, WalkerRight, 1, 5, 1, 1, -1, 5},
             {91, WalkerUp, 1, 3, 4, 6, -1, 9},
             {153, WalkerUp, 1, 3, 8, 10, -1, 9},
         }},
        {8,
         14,
         193,
         16,
         24,
         {
             "K......#.#...",
             ".......#.#...",
             "..3....#.#...",
             ".............",
             ".............",
             "..4.....1....",
             "..#...#...#..",
             ".............",
             ".............",
             ".5...........",
             "...#....2..##",
             "...........^D",
             "...........##",
         },
         {{192, 500}},
         {
             {99, WalkerUp, 8, 10, 4, 8, -1, 15},
             {174, WalkerUp, 8, 11, 8, 13, -1, 24},
             {48, WalkerRight, 2, 4, 1, 6, -1, 18},
             {93, WalkerUp, 1, 3, 2, 6, -1, 15},
             {152, WalkerUp, 1, 3, 8, 13, -1, 18},
         }},
        {9,
         36,
         16,
         208,
         181,
         {
             "D#..^.#......",
             ".#..#.#......",
             "....#.#.####.",
             "....#.#.#....",
             "4...#.#.#....",
             "....#.#.#..2.",
             "....#...#....",
             "....#...#....",
             "....#.3.#....",
             "..5.#...#.1..",
             "....#...#....",
             "....#...#..##",
             "....#...#...K",
         },
         {{20, 500}},
         {
             {161, WalkerUp, 10, 13, 8, 11, -1, 16},
             {102, WalkerUp, 10, 13, 4, 7, -1, 16},
             {142, WalkerRight, 6, 8, 7, 10, -1, 12},
             {76, WalkerRight, 1, 4, 3, 6, -1, 16},
             {153, WalkerUp, 1, 4, 9, 11, -1, 12},
         }},
        {10,
         46,
         115,
         46,
         196,
         {
             "....^.^...^..",
             "##..########.",
             "K#..#........",
             ".#..#.3......",
             ".#..#.....4..",
             ".#..###.#####",
             ".#..^.#.#D...",
             ".####.#.##...",
             ".#....#.##...",
             ".#....#.....1",
             ".#.5..#......",
             ".#....#.2....",
             ".^....#......",
         },
         {{197, 500}, {110, 1500}, {20, 500}, {22, 1700}, {26, 500}},
         {
             {163, WalkerLeft, 11, 13, 7, 13, -1, 21},
             {189, WalkerUp, 8, 11, 10, 13, -1, 16},
             {67, WalkerRight, 6, 9, 3, 5, -1, 12},
             {86, WalkerUp, 10, 13, 3, 5, -1, 12},
             {169, WalkerUp, 3, 5, 9, 13, -1, 15},
         }},

    };
    return levels;
}

struct Built {
    Board board;
    std::vector<Walker> walkers;
    std::vector<Trap> traps;
};

Built build(int n) {
    ManualClock clock;
    Built b;
    buildLevel(n, b.board, b.walkers, b.traps, clock);
    return b;
}

class LevelTest : public ::testing::TestWithParam<int> {};

TEST_P(LevelTest, FieldMatchesTheMapCellByCell) {
    const ExpectedLevel& level = expectedLevels()[static_cast<std::size_t>(GetParam() - 1)];
    const Built b = build(level.number);
    int walls = 0;
    for (int row = 1; row <= 13; ++row) {
        for (int col = 1; col <= 13; ++col) {
            const char c = level.rows[row - 1][col - 1];
            const TileCode want = c == '#' ? Wall : c == 'D' ? Door : c == 'K' ? Key : Floor;
            walls += c == '#';
            EXPECT_EQ(b.board.tileAt(cellIndex(col, row)), want)
                << "level " << level.number << " column " << col << " row " << row;
        }
    }
    EXPECT_EQ(walls, level.walls);
    EXPECT_EQ(b.board.tileAt(level.door), Door);
    EXPECT_EQ(b.board.tileAt(level.key), Key);
    EXPECT_EQ(b.board.tileAt(level.entry), Floor);
    for (int i = 0; i < CellCount; ++i)
        if (!isInteriorCell(i)) {
            EXPECT_EQ(b.board.tileAt(i), initialTile(i)) << "border cell " << i;
        }
}

TEST_P(LevelTest, TrapsInOrderOnTheirMarkedCells) {
    const ExpectedLevel& level = expectedLevels()[static_cast<std::size_t>(GetParam() - 1)];
    const Built b = build(level.number);
    ASSERT_EQ(b.traps.size(), level.traps.size());
    for (std::size_t i = 0; i < b.traps.size(); ++i) {
        const Trap& t = b.traps[i];
        EXPECT_EQ(cellIndex(t.col, t.row), level.traps[i].cell) << "trap " << i + 1;
        EXPECT_EQ(t.periodMs, level.traps[i].periodMs) << "trap " << i + 1;
        EXPECT_FALSE(t.closed);
        EXPECT_FALSE(t.lastSwitch.isNull);
        EXPECT_EQ(level.rows[t.row - 1][t.col - 1], '^') << "trap " << i + 1;
    }
}

TEST_P(LevelTest, WalkersInOrderAtHomeWithTheirZones) {
    const ExpectedLevel& level = expectedLevels()[static_cast<std::size_t>(GetParam() - 1)];
    const Built b = build(level.number);
    ASSERT_EQ(b.walkers.size(), level.walkers.size());
    for (std::size_t i = 0; i < b.walkers.size(); ++i) {
        const Walker& w = b.walkers[i];
        const ExpectedWalker& e = level.walkers[i];
        SCOPED_TRACE("level " + std::to_string(level.number) + " walker " + std::to_string(i + 1));
        EXPECT_EQ(cellIndex(w.homeCol, w.homeRow), e.home);
        EXPECT_EQ(w.col, w.homeCol);
        EXPECT_EQ(w.row, w.homeRow);
        EXPECT_FALSE(w.shown);
        EXPECT_EQ(w.tile, e.tile);
        EXPECT_EQ(level.rows[w.homeRow - 1][w.homeCol - 1], static_cast<char>('1' + i));

        std::set<int> want;
        for (int row = e.rowFrom; row <= e.rowTo; ++row)
            for (int col = e.colFrom; col <= e.colTo; ++col)
                want.insert(cellIndex(col, row));
        if (e.extraCell >= 0)
            want.insert(e.extraCell);
        std::set<int> got;
        for (const CellPos& c : w.zone)
            got.insert(cellIndex(c.col, c.row));
        EXPECT_EQ(w.zone.size(), static_cast<std::size_t>(e.zoneSize));
        EXPECT_EQ(got, want);
        EXPECT_TRUE(got.count(e.home));
        for (int cell : got)
            EXPECT_EQ(b.board.tileAt(cell), Floor) << "zone cell " << cell;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTen, LevelTest, ::testing::Range(1, 11));

TEST(LevelBuild, NumbersOutsideOneToTenBuildNothing) {
    for (int n : {0, 11, -1}) {
        const Built b = build(n);
        EXPECT_TRUE(b.walkers.empty());
        EXPECT_TRUE(b.traps.empty());
        for (int i = 0; i < CellCount; ++i)
            EXPECT_EQ(b.board.tileAt(i), initialTile(i)) << "level " << n << " cell " << i;
    }
}

TEST(LevelBuild, AppendsToTheListsItIsGiven) {
    // startLevel empties the lists first; the builder itself only appends.
    ManualClock clock;
    Board board;
    std::vector<Walker> walkers(1);
    std::vector<Trap> traps(2);
    buildLevel(10, board, walkers, traps, clock);
    EXPECT_EQ(walkers.size(), 6u);
    EXPECT_EQ(traps.size(), 7u);
}

TEST(Figures, MakeWalkerFromLevelData) {
    const Walker w = makeWalker(166, {121, 122, 123}, WalkerUp);
    EXPECT_EQ(w.col, 1);
    EXPECT_EQ(w.row, 11);
    EXPECT_EQ(w.homeCol, 1);
    EXPECT_EQ(w.homeRow, 11);
    EXPECT_EQ(w.zone, (std::vector<CellPos>{{1, 8}, {2, 8}, {3, 8}}));
    EXPECT_FALSE(w.shown);
    EXPECT_EQ(w.tile, WalkerUp);

    const Walker edge = makeWalker(14, {}, WalkerLeft);
    EXPECT_EQ(edge.homeCol, 14);
    EXPECT_EQ(edge.homeRow, 0);
    EXPECT_TRUE(edge.zone.empty());
    const Walker wrap = makeWalker(15, {}, WalkerLeft);
    EXPECT_EQ(wrap.homeCol, 0);
    EXPECT_EQ(wrap.homeRow, 1);
}

TEST(Figures, MakeTrapStartsOpenAndStampedNow) {
    ManualClock clock;
    LocalTime t;
    t.year = 2026;
    t.month = 3;
    t.day = 4;
    t.hour = 5;
    ASSERT_TRUE(clock.set(t));
    const Trap p = makeTrap(5, 3, 500, clock);
    EXPECT_FALSE(p.closed);
    EXPECT_EQ(p.col, 5);
    EXPECT_EQ(p.row, 3);
    EXPECT_EQ(p.periodMs, 500);
    EXPECT_FALSE(p.lastSwitch.isNull);
    EXPECT_EQ(p.lastSwitch.time, clock.now());
}

} // namespace
