// Drawing of the board tiles.
#include "tiles.h"

#include "figures.h"
#include "shapes.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int kBoardCells = 15;
constexpr int kBoardPixels = kBoardCells * kTileSize;

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kStone = Rgb(150, 150, 156);
constexpr Colour kStoneLight = Rgb(192, 192, 198);
constexpr Colour kStoneDark = Rgb(96, 96, 102);
constexpr Colour kGroove = Rgb(52, 52, 58);
constexpr Colour kGold = Rgb(248, 208, 40);
constexpr Colour kGoldLight = Rgb(255, 240, 150);
constexpr Colour kGoldDark = Rgb(120, 84, 0);
constexpr Colour kMortar = Rgb(66, 66, 70);
constexpr Colour kDoorRed = Rgb(128, 8, 8);
constexpr Colour kGrating = Rgb(208, 208, 214);
constexpr Colour kGratingDark = Rgb(110, 110, 118);

// A fixed pseudo-random value 0..255 for a pixel, so that textures never change between
// runs of the generator.
int Noise(int x, int y) {
    std::uint32_t h =
        static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) & 0xFF);
}

Colour Shade(Colour c, int delta) {
    auto clamp = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return Colour{clamp(c.r + delta), clamp(c.g + delta), clamp(c.b + delta), c.a};
}

Canvas BlankTile() {
    return Canvas(kTileSize, kTileSize, kBlack);
}

// --- Border ---------------------------------------------------------------------------
// The ring is drawn whole, on a board-sized picture, and the eight kinds of border tile are
// cut out of it; that way the chain trim runs on unbroken from tile to tile.

void DrawStoneBlock(Canvas& board, int left, int top) {
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            Colour c = Shade(kStone, Noise(x, y) / 32 - 4);
            if (x < 2 || y < 2)
                c = kStoneLight;
            if (x >= kTileSize - 2 || y >= kTileSize - 2)
                c = kStoneDark;
            board.Set(left + x, top + y, c);
        }
    }
}

// One link of the chain seen from the front: an open oval, wide along the run.
void DrawChainRing(Canvas& board, Point centre, double along, double across, bool horizontal) {
    double rx = horizontal ? along : across;
    double ry = horizontal ? across : along;
    Fill(board, EllipseRing(centre, rx + 0.8, ry + 0.8, 2.6), kGoldDark);
    Fill(board, EllipseRing(centre, rx, ry, 1.4), kGold);
}

// The link between two rings, seen edge-on: a short bar from a to b.
void DrawChainBar(Canvas& board, Point a, Point b) {
    Fill(board, Stroke(a, b, 3.4), kGoldDark);
    Fill(board, Stroke(a, b, 2.0), kGold);
    Fill(board, Stroke(a, b, 0.7), kGoldLight);
}

// Rings every 9 pixels (so 3 per tile, and every tile of a side is the same) along a loop
// through the middle of the groove, with bars in between.
void DrawChain(Canvas& board) {
    constexpr double kNear = 22.5;
    constexpr double kFar = kBoardPixels - kNear;
    constexpr int kSteps = 40; // (kFar - kNear) / 9
    auto isCorner = [](int k) { return k == 0 || k == kSteps; };
    for (int k = 0; k <= kSteps; ++k) {
        double t = kNear + 9.0 * k;
        double along = isCorner(k) ? 3.2 : 3.8;
        double across = isCorner(k) ? 3.2 : 2.8;
        for (double edge : {kNear, kFar}) {
            DrawChainRing(board, {t, edge}, along, across, true);
            DrawChainRing(board, {edge, t}, along, across, false);
        }
    }
    for (int k = 0; k < kSteps; ++k) {
        double m = kNear + 9.0 * k + 4.5;
        for (double edge : {kNear, kFar}) {
            DrawChainBar(board, {m - 2.6, edge}, {m + 2.6, edge});
            DrawChainBar(board, {edge, m - 2.6}, {edge, m + 2.6});
        }
    }
}

Canvas BorderRing() {
    Canvas board(kBoardPixels, kBoardPixels, kBlack);
    for (int row = 0; row < kBoardCells; ++row)
        for (int col = 0; col < kBoardCells; ++col)
            if (row == 0 || col == 0 || row == kBoardCells - 1 || col == kBoardCells - 1)
                DrawStoneBlock(board, col * kTileSize, row * kTileSize);
    // A dark groove along the inner edge of the ring holds the chain.
    constexpr double kGrooveDepth = 9;
    constexpr double kInner = kTileSize;
    constexpr double kOuter = kBoardPixels - kTileSize;
    Fill(board,
         Minus(Rect(kInner - kGrooveDepth, kInner - kGrooveDepth, kOuter + kGrooveDepth,
                    kOuter + kGrooveDepth),
               Rect(kInner, kInner, kOuter, kOuter)),
         kGroove);
    DrawChain(board);
    return board;
}

Canvas BorderTile(const Canvas& ring, int col, int row) {
    return ring.Crop(col * kTileSize, row * kTileSize, kTileSize, kTileSize);
}

// --- Interior tiles -----------------------------------------------------------------

Canvas FigureTile(void (*draw)(Canvas&, Point, double, Facing), Facing facing) {
    Canvas tile = BlankTile();
    draw(tile, {kTileSize / 2.0, kTileSize / 2.0}, 1.0, facing);
    return tile;
}

// Four courses of bricks; the joints of every other course are shifted by half a brick, and
// the pattern continues across neighbouring wall tiles.
bool IsJoint(int x, bool shifted) {
    return shifted ? (x == 6 || x == 19) : (x == 13 || x == 26);
}

int BrickIndex(int x, bool shifted) {
    int joints = 0;
    for (int i = 0; i < x; ++i)
        joints += IsJoint(i, shifted) ? 1 : 0;
    return joints;
}

Canvas WallTile() {
    Canvas tile(kTileSize, kTileSize, kMortar);
    const int courseTop[] = {0, 7, 14, 21};
    const int courseBottom[] = {5, 12, 19, 25}; // the row under each course is mortar
    for (int course = 0; course < 4; ++course) {
        bool shifted = course % 2 == 1;
        for (int y = courseTop[course]; y <= courseBottom[course]; ++y) {
            for (int x = 0; x < kTileSize; ++x) {
                if (IsJoint(x, shifted))
                    continue;
                int tint = Noise(course, BrickIndex(x, shifted)) % 24 - 12;
                Colour c = Shade(Rgb(132, 128, 128), tint + Noise(x, y + 100) / 40 - 3);
                if (y == courseTop[course])
                    c = Shade(c, 30);
                else if (y == courseBottom[course])
                    c = Shade(c, -30);
                tile.Set(x, y, c);
            }
        }
    }
    return tile;
}

Canvas DoorTile() {
    Canvas tile(kTileSize, kTileSize, Rgb(150, 108, 8));
    tile.FillRect(2, 2, kTileSize - 4, kTileSize - 4, Rgb(232, 186, 36));
    // Plank joints and a lighter upper rim make it read as a door, not a plain block.
    for (int x : {9, 17})
        tile.FillRect(x, 2, 1, kTileSize - 4, Rgb(196, 150, 24));
    tile.FillRect(2, 2, kTileSize - 4, 1, Rgb(255, 226, 110));
    Fill(tile, Ellipse({13.5, 14.0}, 6.2, 8.6), Rgb(200, 150, 20));
    Fill(tile, Ellipse({13.5, 14.0}, 5.2, 7.6), Rgb(245, 206, 70));
    Fill(tile, Circle({13.5, 11.0}, 3.2), kDoorRed);
    Fill(tile, Polygon({{12.0, 12.0}, {15.0, 12.0}, {16.6, 19.6}, {10.4, 19.6}}), kDoorRed);
    return tile;
}

Canvas KeyTile() {
    Canvas tile = BlankTile();
    auto paintKey = [&](double grow, Colour c) {
        Fill(tile, EllipseRing({7.5, 13.5}, 5.0 + grow, 5.0 + grow, 2.2 + 2 * grow), c);
        Fill(tile, Rect(12.0 - grow, 12.2 - grow, 24.0 + grow, 14.8 + grow), c);
        Fill(tile, Rect(18.0 - grow, 14.0, 20.2 + grow, 18.6 + grow), c);
        Fill(tile, Rect(21.8 - grow, 14.0, 24.0 + grow, 19.6 + grow), c);
    };
    paintKey(0.9, kGoldDark);
    paintKey(0.0, kGold);
    Fill(tile, Rect(12.5, 12.4, 23.5, 13.2), kGoldLight);
    Fill(tile, EllipseRing({7.5, 13.5}, 4.6, 4.6, 0.8), kGoldLight);
    return tile;
}

// A closed trap: a grating of spear-headed bars held by two cross bars.
Canvas TrapTile() {
    Canvas tile = BlankTile();
    const double bars[] = {5.25, 10.75, 16.25, 21.75};
    auto paintGrating = [&](double grow, Colour c) {
        for (double x : bars) {
            Fill(tile, Rect(x - 1.0 - grow, 8.0, x + 1.0 + grow, 24.0 + grow), c);
            Fill(tile,
                 Polygon({{x, 2.5 - 1.5 * grow},
                          {x + 2.6 + grow, 9.0 + grow / 2},
                          {x - 2.6 - grow, 9.0 + grow / 2}}),
                 c);
        }
        for (double y : {12.5, 19.5})
            Fill(tile, Rect(2.5 - grow, y - 1.0 - grow, 24.5 + grow, y + 1.0 + grow), c);
    };
    paintGrating(0.8, kGratingDark);
    paintGrating(0.0, kGrating);
    return tile;
}

// The code a board cell starts with: border pieces around an empty field.
int StartCode(int col, int row) {
    const int last = kBoardCells - 1;
    if (row == 0)
        return col == 0 ? 4 : (col == last ? 5 : 6);
    if (row == last)
        return col == 0 ? 10 : (col == last ? 11 : 8);
    if (col == 0 || col == last)
        return col == 0 ? 7 : 9;
    return 0;
}

} // namespace

Canvas MakeTileSheet() {
    Canvas ring = BorderRing();
    const int last = kBoardCells - 1;
    const int mid = kBoardCells / 2;
    std::vector<Canvas> tiles = {
        BlankTile(),                           // 0 floor
        FigureTile(DrawPlayer, Facing::Left),  // 1
        FigureTile(DrawPlayer, Facing::Down),  // 2
        FigureTile(DrawPlayer, Facing::Right), // 3
        BorderTile(ring, 0, 0),                // 4 top left
        BorderTile(ring, last, 0),             // 5 top right
        BorderTile(ring, mid, 0),              // 6 top
        BorderTile(ring, 0, mid),              // 7 left
        BorderTile(ring, mid, last),           // 8 bottom
        BorderTile(ring, last, mid),           // 9 right
        BorderTile(ring, 0, last),             // 10 bottom left
        BorderTile(ring, last, last),          // 11 bottom right
        WallTile(),                            // 12
        FigureTile(DrawPlayer, Facing::Up),    // 13
        DoorTile(),                            // 14
        KeyTile(),                             // 15
        FigureTile(DrawWalker, Facing::Right), // 16
        FigureTile(DrawWalker, Facing::Left),  // 17
        FigureTile(DrawWalker, Facing::Up),    // 18
        FigureTile(DrawWalker, Facing::Down),  // 19
        TrapTile(),                            // 20
    };
    Canvas sheet(kTileSize * kTileCount, kTileSize, kBlack);
    for (int i = 0; i < kTileCount; ++i)
        sheet.Paste(tiles[static_cast<std::size_t>(i)], i * kTileSize, 0);
    return sheet;
}

Canvas MakeBoardPreview(const Canvas& sheet) {
    std::vector<int> codes;
    for (int row = 0; row < kBoardCells; ++row)
        for (int col = 0; col < kBoardCells; ++col)
            codes.push_back(StartCode(col, row));
    // {col, row, code}: every interior tile at least once, walls side by side.
    const int interior[][3] = {{2, 2, 1},   {4, 2, 2},   {6, 2, 3},   {8, 2, 13},  {3, 5, 16},
                               {5, 5, 17},  {7, 5, 18},  {9, 5, 19},  {11, 2, 12}, {12, 2, 12},
                               {11, 3, 12}, {12, 3, 12}, {11, 4, 12}, {3, 9, 14},  {6, 9, 15},
                               {9, 9, 20},  {10, 9, 20}, {6, 12, 12}, {7, 12, 12}, {8, 12, 12}};
    for (const auto& cell : interior)
        codes[static_cast<std::size_t>(cell[1] * kBoardCells + cell[0])] = cell[2];
    Canvas board(kBoardPixels, kBoardPixels, kBlack);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        int col = static_cast<int>(i) % kBoardCells;
        int row = static_cast<int>(i) / kBoardCells;
        board.Paste(sheet.Crop(codes[i] * kTileSize, 0, kTileSize, kTileSize), col * kTileSize,
                    row * kTileSize);
    }
    return board;
}
