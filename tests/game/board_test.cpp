// Cell numbering, the initial field, stores and the interior reset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/board.h"

namespace {

struct CountingView : BoardView {
    void tileStored(int index, TileCode code) override { stores.push_back({index, code}); }
    std::vector<std::pair<int, TileCode>> stores;
};

TEST(Cells, IndexColumnAndRow) {
    EXPECT_EQ(cellIndex(1, 13), 196);
    EXPECT_EQ(cellIndex(13, 1), 28);
    EXPECT_EQ(cellCol(204), 9);
    EXPECT_EQ(cellRow(204), 13);
    for (int i = 0; i < CellCount; ++i)
        EXPECT_EQ(cellIndex(cellCol(i), cellRow(i)), i);
}

TEST(Board, InitialBorderRingAndEmptyInterior) {
    Board b;
    EXPECT_EQ(b.tileAt(0), BorderTopLeft);
    EXPECT_EQ(b.tileAt(14), BorderTopRight);
    EXPECT_EQ(b.tileAt(210), BorderBottomLeft);
    EXPECT_EQ(b.tileAt(224), BorderBottomRight);
    EXPECT_EQ(b.tileAt(7), BorderTop);
    EXPECT_EQ(b.tileAt(105), BorderLeft);
    EXPECT_EQ(b.tileAt(119), BorderRight);
    EXPECT_EQ(b.tileAt(217), BorderBottom);
    int interior = 0;
    for (int i = 0; i < CellCount; ++i) {
        if (isInteriorCell(i)) {
            ++interior;
            EXPECT_EQ(b.tileAt(i), Floor) << i;
            EXPECT_EQ(std::string(initialTag(i)), "1") << i;
        } else {
            EXPECT_EQ(std::string(initialTag(i)), "") << i;
        }
    }
    EXPECT_EQ(interior, 169);
}

TEST(Board, ClearInteriorResetsOnlyTheInterior) {
    Board b;
    for (int i = 0; i < CellCount; ++i)
        if (isInteriorCell(i))
            b.setTile(i, static_cast<TileCode>(12 + i % 9)); // walls, key, door, figures...
    CountingView view;
    b.attachView(&view);
    b.clearInterior();
    EXPECT_EQ(view.stores.size(), 169u);
    for (std::size_t k = 1; k < view.stores.size(); ++k)
        EXPECT_LT(view.stores[k - 1].first, view.stores[k].first); // index order
    for (int i = 0; i < CellCount; ++i)
        EXPECT_EQ(b.tileAt(i), isInteriorCell(i) ? Floor : initialTile(i)) << i;
}

TEST(Board, EveryStoreReachesTheViewEvenOfTheSameCode) {
    Board b;
    CountingView view;
    b.attachView(&view);
    b.setTile(100, Key);
    b.setTile(100, Key);
    b.setTile(100, Door);
    ASSERT_EQ(view.stores.size(), 3u);
    EXPECT_EQ(view.stores[2], (std::pair<int, TileCode>{100, Door}));
    EXPECT_EQ(b.tileAt(100), Door);

    b.attachView(nullptr); // without a view the array alone keeps the codes
    b.setTile(100, Wall);
    EXPECT_EQ(view.stores.size(), 3u);
    EXPECT_EQ(b.tileAt(100), Wall);
}

} // namespace
