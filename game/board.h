// The 15 x 15 field of tile codes, its cell numbering and the view that shows it.
#pragma once

#include <array>

// The code of a cell is also the number of its 27 x 27 tile in the tile sheet.
enum TileCode : int {
    Floor = 0,
    PlayerLeft = 1,
    PlayerDown = 2,
    PlayerRight = 3,
    BorderTopLeft = 4,
    BorderTopRight = 5,
    BorderTop = 6,
    BorderLeft = 7,
    BorderBottom = 8,
    BorderRight = 9,
    BorderBottomLeft = 10,
    BorderBottomRight = 11,
    Wall = 12,
    PlayerUp = 13,
    Door = 14,
    Key = 15,
    WalkerRight = 16,
    WalkerLeft = 17,
    WalkerUp = 18,
    WalkerDown = 19,
    TrapClosed = 20,
};

constexpr int BoardSide = 15;
constexpr int CellCount = BoardSide * BoardSide;

// Cells are numbered row by row: index = row * 15 + col, both 0..14.
constexpr int cellIndex(int col, int row) {
    return row * BoardSide + col;
}
constexpr int cellCol(int index) {
    return index % BoardSide;
}
constexpr int cellRow(int index) {
    return index / BoardSide;
}

// The 13 x 13 cells inside the border ring; the only cells levels and figures use.
constexpr bool isInteriorCell(int index) {
    return cellCol(index) >= 1 && cellCol(index) <= 13 && cellRow(index) >= 1 &&
           cellRow(index) <= 13;
}
// The code a cell holds when the field is made: the border ring, and Floor inside.
TileCode initialTile(int index);
// The tag a cell view carries: "1" marks the interior cells that clearInterior resets.
const char* initialTag(int index);

// Whatever shows the field (the main form's 225 cell views) hears of every store.
class BoardView {
  public:
    virtual ~BoardView() = default;
    virtual void tileStored(int index, TileCode code) = 0;
};

// The field's codes. The array is authoritative; an attached view is told of every store,
// also of a store of the code the cell already holds, so that it repaints.
class Board {
  public:
    Board();

    TileCode tileAt(int index) const { return codes[static_cast<unsigned>(index)]; }
    // Stores any code in any cell; the index must be 0..224.
    void setTile(int index, TileCode code);
    // Sets every interior cell to Floor, in index order; the border ring is left alone.
    void clearInterior();

    // The view is not owned; nullptr detaches it.
    void attachView(BoardView* newView) { view = newView; }

  private:
    std::array<TileCode, CellCount> codes;
    BoardView* view = nullptr;
};
