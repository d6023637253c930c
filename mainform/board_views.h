// The field on screen: one 27 x 27 ImageFrame per cell, told of every store on the Board.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "game/board.h"
#include "ui/draw/image_frame.h"

namespace MyGame {

// Makes the 225 cell views in index order inside `form`, each showing its cell's current
// code as a tile of `tileSheet` (not owned; it must outlive the views). Attach it to the
// Board so that every setTile repaints its cell.
class BoardViews : public BoardView {
  public:
    BoardViews(OrvoUtility::GUIElement* form, HBITMAP tileSheet, const Board& board);
    BoardViews(const BoardViews&) = delete;
    BoardViews& operator=(const BoardViews&) = delete;

    void tileStored(int index, TileCode code) override;
    OrvoUtility::ImageFrame& view(int index) { return *views[static_cast<unsigned>(index)]; }

    static constexpr int kTileSize = 27;
    static constexpr int kLeft = 20; // the field's top-left corner in the form's client area
    static constexpr int kTop = 72;

  private:
    std::vector<std::unique_ptr<OrvoUtility::ImageFrame>> views;
};

} // namespace MyGame
