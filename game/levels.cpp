// The ten level layouts as data, and the builder that puts one on the field.
#include "game/levels.h"

namespace {

struct TrapData {
    int cell;
    int periodMs;
};

// A Walker's home cell, its first tile and its zone: a rectangle of columns and rows (bounds
// included) and, where a level needs it, one more cell.
struct WalkerData {
    int homeCell;
    TileCode tile;
    int colFrom, colTo, rowFrom, rowTo;
    int extraCell; // -1 for none
};

// Rows 1..13 of the interior, columns 1..13 left to right: '#' Wall, 'D' Door, 'K' Key.
// '^' (a trap cell) and '1'..'5' (a Walker's home) are Floor on the map; they only show the
// reader where the tables below put traps and Walkers. Traps and Walkers are listed in the
// order in which every walker pass handles them.
struct LevelData {
    const char* rows[13];
    std::vector<TrapData> traps;
    std::vector<WalkerData> walkers;
};

const LevelData& levelData(int n) {
    static const LevelData levels[LastLevel] = {
        // Level 1
        {{
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
             {166, WalkerUp, 1, 3, 8, 11, -1},
             {16, WalkerDown, 1, 4, 1, 3, -1},
             {206, WalkerUp, 11, 13, 11, 13, -1},
         }},
        // Level 2
        {{
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
             {197, WalkerUp, 2, 9, 8, 13, -1},
             {28, WalkerDown, 11, 13, 1, 6, -1},
             {193, WalkerUp, 11, 13, 8, 12, -1},
         }},
        // Level 3
        {{
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
             {86, WalkerUp, 10, 12, 1, 5, -1},
             {67, WalkerRight, 4, 8, 3, 5, 96},
             {65, WalkerUp, 4, 8, 3, 5, 96},
         }},
        // Level 4
        {{
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
             {171, WalkerUp, 3, 9, 8, 13, -1},
             {153, WalkerRight, 3, 9, 8, 13, -1},
             {52, WalkerUp, 5, 9, 1, 6, -1},
         }},
        // Level 5
        {{
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
             {77, WalkerRight, 2, 6, 1, 5, -1},
             {34, WalkerRight, 2, 6, 1, 5, -1},
             {22, WalkerRight, 7, 10, 1, 3, -1},
         }},
        // Level 6
        {{
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
             {96, WalkerDown, 4, 6, 6, 7, -1},
             {157, WalkerLeft, 4, 7, 8, 10, -1},
             {191, WalkerUp, 9, 13, 10, 13, -1},
             {101, WalkerUp, 9, 13, 5, 7, -1},
             {34, WalkerRight, 2, 5, 1, 4, -1},
         }},
        // Level 7
        {{
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
             {81, WalkerUp, 5, 8, 3, 7, -1},
             {157, WalkerUp, 6, 9, 7, 12, -1},
             {16, WalkerRight, 1, 5, 1, 1, -1},
             {91, WalkerUp, 1, 3, 4, 6, -1},
             {153, WalkerUp, 1, 3, 8, 10, -1},
         }},
        // Level 8
        {{
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
             {99, WalkerUp, 8, 10, 4, 8, -1},
             {174, WalkerUp, 8, 11, 8, 13, -1},
             {48, WalkerRight, 2, 4, 1, 6, -1},
             {93, WalkerUp, 1, 3, 2, 6, -1},
             {152, WalkerUp, 1, 3, 8, 13, -1},
         }},
        // Level 9
        {{
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
             {161, WalkerUp, 10, 13, 8, 11, -1},
             {102, WalkerUp, 10, 13, 4, 7, -1},
             {142, WalkerRight, 6, 8, 7, 10, -1},
             {76, WalkerRight, 1, 4, 3, 6, -1},
             {153, WalkerUp, 1, 4, 9, 11, -1},
         }},
        // Level 10
        {{
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
             {163, WalkerLeft, 11, 13, 7, 13, -1},
             {189, WalkerUp, 8, 11, 10, 13, -1},
             {67, WalkerRight, 6, 9, 3, 5, -1},
             {86, WalkerUp, 10, 13, 3, 5, -1},
             {169, WalkerUp, 3, 5, 9, 13, -1},
         }},

    };
    return levels[n - 1];
}

std::vector<int> zoneCells(const WalkerData& w) {
    std::vector<int> cells;
    for (int row = w.rowFrom; row <= w.rowTo; ++row)
        for (int col = w.colFrom; col <= w.colTo; ++col)
            cells.push_back(cellIndex(col, row));
    if (w.extraCell >= 0)
        cells.push_back(w.extraCell);
    return cells;
}

// Stores `code` on every map cell showing `mark`, in index order.
void placeMarks(const LevelData& level, char mark, TileCode code, Board& board) {
    for (int row = 1; row <= 13; ++row)
        for (int col = 1; col <= 13; ++col)
            if (level.rows[row - 1][col - 1] == mark)
                board.setTile(cellIndex(col, row), code);
}

} // namespace

void buildLevel(int n, Board& board, std::vector<Walker>& walkers, std::vector<Trap>& traps,
                Clock& clock) {
    if (n < 1 || n > LastLevel)
        return;
    const LevelData& level = levelData(n);
    placeMarks(level, '#', Wall, board);
    placeMarks(level, 'D', Door, board);
    placeMarks(level, 'K', Key, board);
    for (const TrapData& t : level.traps)
        traps.push_back(makeTrap(cellCol(t.cell), cellRow(t.cell), t.periodMs, clock));
    for (const WalkerData& w : level.walkers)
        walkers.push_back(makeWalker(w.homeCell, zoneCells(w), w.tile));
}
