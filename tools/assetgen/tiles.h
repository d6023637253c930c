// The tile sheet: 21 board tiles of 27 x 27 pixels side by side, in tile-code order.
#pragma once

#include "canvas.h"

constexpr int kTileSize = 27;
constexpr int kTileCount = 21;

Canvas MakeTileSheet();
// A whole board built from the sheet: the border ring and one of each interior tile, for
// reviewing the tiles side by side as the game shows them.
Canvas MakeBoardPreview(const Canvas& sheet);
