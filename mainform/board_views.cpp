// The 225 cell views of the field and how a store on the Board reaches them.
#include "mainform/board_views.h"

namespace MyGame {

BoardViews::BoardViews(OrvoUtility::GUIElement* form, HBITMAP tileSheet, const Board& board) {
    views.reserve(CellCount);
    for (int index = 0; index < CellCount; ++index) {
        auto view = std::make_unique<OrvoUtility::ImageFrame>(form, tileSheet, board.tileAt(index));
        view->transparent = false; // tiles are opaque: black floor is part of the picture
        view->tag = initialTag(index);
        view->SetBackColor(RGB(0, 0, 0));
        view->SetSize(kTileSize, kTileSize);
        view->SetLocation(kLeft + kTileSize * cellCol(index), kTop + kTileSize * cellRow(index));
        view->Create();
        views.push_back(std::move(view));
    }
}

void BoardViews::tileStored(int index, TileCode code) {
    views[static_cast<unsigned>(index)]->SetFrame(code);
}

} // namespace MyGame
