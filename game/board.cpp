// The field of tile codes: initial border ring, stores and the interior reset.
#include "game/board.h"

TileCode initialTile(int index) {
    const int col = cellCol(index);
    const int row = cellRow(index);
    if (row == 0)
        return col == 0 ? BorderTopLeft : col == 14 ? BorderTopRight : BorderTop;
    if (row == 14)
        return col == 0 ? BorderBottomLeft : col == 14 ? BorderBottomRight : BorderBottom;
    if (col == 0)
        return BorderLeft;
    if (col == 14)
        return BorderRight;
    return Floor;
}

const char* initialTag(int index) {
    return isInteriorCell(index) ? "1" : "";
}

Board::Board() {
    for (int i = 0; i < CellCount; ++i)
        codes[static_cast<unsigned>(i)] = initialTile(i);
}

void Board::setTile(int index, TileCode code) {
    codes[static_cast<unsigned>(index)] = code;
    if (view)
        view->tileStored(index, code);
}

void Board::clearInterior() {
    for (int i = 0; i < CellCount; ++i)
        if (isInteriorCell(i))
            setTile(i, Floor);
}
