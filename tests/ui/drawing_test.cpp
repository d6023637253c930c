// Drawing and the scoped GDI helpers, checked by pixels on memory bitmaps.
#include "ui/draw/drawing.h"
#include "ui/draw/gdi_scope.h"
#include "ui/font.h"

#include "tests/ui/controls_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace OrvoUtility;
using controls_test::Canvas;
using controls_test::DrawTileSheet;
using controls_test::TileColor;
using controls_test::TilePixelIsBlack;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Every test leaves the drawing layer's object count where it found it.
class DrawingTest : public ::testing::Test {
  protected:
    void SetUp() override { baseline = LiveGdiObjects(); }
    void TearDown() override { EXPECT_EQ(LiveGdiObjects(), baseline); }
    int baseline = 0;
};

// A drawing that counts its GDI failures instead of ignoring them.
class CountingDrawing : public Drawing {
  public:
    CountingDrawing() : Drawing(nullptr) {}
    int failures = 0;

  protected:
    void OnGdiFailure() override { ++failures; }
};

TEST_F(DrawingTest, FilledCoversExactlyTheRectangleAndOutlineOnlyItsEdge) {
    Canvas canvas(20, 20);
    canvas.Fill(kWhite);
    Drawing drawing(nullptr);
    drawing.Borrow(canvas.dc());
    drawing.PaintFilled(2, 3, 5, 4, kRed);     // x 2..6, y 3..6
    drawing.PaintOutline(10, 10, 6, 5, kBlue); // x 10..15, y 10..14
    drawing.End();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool filled = x >= 2 && x <= 6 && y >= 3 && y <= 6;
            const bool inOutline = x >= 10 && x <= 15 && y >= 10 && y <= 14;
            const bool edge = inOutline && (x == 10 || x == 15 || y == 10 || y == 14);
            const COLORREF want = filled ? kRed : edge ? kBlue : kWhite;
            ASSERT_EQ(canvas.At(x, y), want) << "at " << x << "," << y;
        }
}

TEST_F(DrawingTest, OperationsWithoutContextDoNothingAndEndTwiceIsHarmless) {
    Drawing drawing(nullptr);
    EXPECT_EQ(drawing.Context(), nullptr);
    Font font("Arial", 20);
    EXPECT_EQ(drawing.MeasureTextHeight(&font), -1);
    drawing.PaintFilled(0, 0, 5, 5, kRed);
    drawing.PaintText(0, 0, 0, 0, L"x", kRed, 0, &font);
    drawing.PaintBitmapKeyed(0, 0, 0, 0, nullptr);
    drawing.End();
    drawing.End();

    Canvas canvas(4, 4);
    drawing.Borrow(canvas.dc());
    EXPECT_EQ(drawing.MeasureTextHeight(nullptr), -1);
    drawing.End();
    drawing.End();
    EXPECT_EQ(drawing.Context(), nullptr);
}

TEST_F(DrawingTest, MeasureTextHeightIsTheFontsCellHeight) {
    Canvas canvas(4, 4);
    Font font("Arial", 25);
    Drawing drawing(nullptr);
    drawing.Borrow(canvas.dc());
    HGDIOBJ before = GetCurrentObject(canvas.dc(), OBJ_FONT);
    EXPECT_EQ(drawing.MeasureTextHeight(&font), 25);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), before);
}

// Text drawn with a rectangle is clipped to it and aligned in it; with a zero width it is
// drawn unclipped from (x, y).
TEST_F(DrawingTest, TextAlignmentAndClipping) {
    Font font("Arial", 20);
    struct Case {
        int x, width, height, alignment;
        const char* what;
    };
    const Case cases[] = {
        {10, 100, 30, 0, "left"},
        {10, 100, 30, 1, "right"},
        {10, 100, 30, 2, "centre"},
        {10, 100, 8, 0, "clipped"},
        {10, 0, 0, 2, "no rectangle: unclipped at x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas(140, 40);
        canvas.Fill(kWhite);
        SetTextColor(canvas.dc(), kBlue);
        Drawing drawing(nullptr);
        drawing.Borrow(canvas.dc());
        drawing.PaintText(c.x, 5, c.width, c.height, L"MMM", kBlack, c.alignment, &font);
        drawing.End();
        const RECT ink = canvas.BoundsNot(kWhite);
        ASSERT_GT(ink.right, ink.left);
        const int inkWidth = ink.right - ink.left;
        EXPECT_GE(ink.top, 5);
        if (c.width == 0) {
            EXPECT_NEAR(ink.left, c.x, 2);
            EXPECT_GT(ink.bottom, 5 + 8); // not cut to any rectangle
        } else if (c.height == 8) {
            EXPECT_LE(ink.bottom, 5 + 8);
        } else if (c.alignment == 0) {
            EXPECT_NEAR(ink.left, c.x, 2);
        } else if (c.alignment == 1) {
            EXPECT_NEAR(ink.right, c.x + c.width, 2);
        } else {
            EXPECT_NEAR(ink.left + inkWidth / 2, c.x + c.width / 2, 2);
        }
        // The text colour and the font come back.
        EXPECT_EQ(GetTextColor(canvas.dc()), kBlue);
        EXPECT_NE(GetCurrentObject(canvas.dc(), OBJ_FONT), font.GetHandle());
    }
}

TEST_F(DrawingTest, TextLongerThan1023CharactersIsCut) {
    // A fixed-pitch font, drawn so that character 1023 (0-based) would land in view: the
    // long text must leave exactly what the 1023-character text leaves.
    Font font("Courier New", 16);
    Canvas probe(4, 4);
    SelectObject(probe.dc(), font.GetHandle());
    SIZE one{};
    GetTextExtentPoint32W(probe.dc(), L"W", 1, &one);
    SelectObject(probe.dc(), GetStockObject(SYSTEM_FONT));
    ASSERT_GT(one.cx, 0);
    const int x = 20 - 1023 * one.cx;

    auto draw = [&](std::size_t length) {
        auto canvas = std::make_unique<Canvas>(80, 30);
        canvas->Fill(kWhite);
        Drawing drawing(nullptr);
        drawing.Borrow(canvas->dc());
        drawing.PaintText(x, 2, 0, 0, std::wstring(length, L'W'), kBlack, 0, &font);
        return canvas;
    };
    auto cut = draw(1023);
    auto longer = draw(1500);
    auto expectedCut = cut->BoundsNot(kWhite);
    EXPECT_LE(expectedCut.right, 21); // only the tail of character 1022 shows
    for (int y = 0; y < 30; ++y)
        for (int xx = 0; xx < 80; ++xx)
            ASSERT_EQ(longer->At(xx, y), cut->At(xx, y)) << xx << "," << y;
}

TEST_F(DrawingTest, BitmapPartCopiesOneTileExactly) {
    Canvas sheet(27 * 21, 27);
    DrawTileSheet(sheet);
    sheet.Unselect();
    Canvas target(40, 40);
    target.Fill(kRed);
    CountingDrawing drawing;
    drawing.Borrow(target.dc());
    drawing.PaintBitmapPart(5, 6, 27, 27, sheet.bitmap(), 27 * 5, 0);
    drawing.End();
    EXPECT_EQ(drawing.failures, 0);
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 27; ++x)
            ASSERT_EQ(target.At(5 + x, 6 + y), TilePixelIsBlack(5, x, y) ? kBlack : TileColor(5));
    EXPECT_EQ(target.At(4, 6), kRed);
    EXPECT_EQ(target.At(32, 33), kRed);
}

// Black pixels of the part let the background through; the result must not depend on the
// colours the caller left selected in the context.
TEST_F(DrawingTest, KeyedPartShowsBackgroundWhereTheTileIsBlack) {
    Canvas sheet(27 * 21, 27);
    DrawTileSheet(sheet);
    sheet.Unselect();
    for (COLORREF contextColor : {kBlack, kBlue}) {
        SCOPED_TRACE(contextColor);
        Canvas target(27, 27);
        target.Fill(kRed);
        SetTextColor(target.dc(), contextColor);
        SetBkColor(target.dc(), RGB(0, 255, 0));
        Drawing drawing(nullptr);
        drawing.Borrow(target.dc());
        drawing.PaintBitmapPartKeyed(0, 0, 27, 27, sheet.bitmap(), 27 * 12, 0);
        drawing.End();
        for (int y = 0; y < 27; ++y)
            for (int x = 0; x < 27; ++x)
                ASSERT_EQ(target.At(x, y), TilePixelIsBlack(12, x, y) ? kRed : TileColor(12))
                    << x << "," << y;
        EXPECT_EQ(GetTextColor(target.dc()), contextColor);
        EXPECT_EQ(GetBkColor(target.dc()), RGB(0, 255, 0));
    }
}

// Where a keyed part has no bitmap pixels to take (no bitmap at all, or a part reaching past
// the bitmap's edge) the destination stays as it was, as black pixels leave it.
TEST_F(DrawingTest, KeyedPartLeavesTheBackgroundWhereThereIsNoBitmap) {
    Canvas sheet(27 * 21, 27);
    DrawTileSheet(sheet);
    sheet.Unselect();
    struct Case {
        HBITMAP bitmap;
        int sourceX;
        int tileColumns; // columns of tile 20 that show; the rest stays red
        const char* what;
    };
    const Case cases[] = {
        {nullptr, 27, 0, "no bitmap"},
        {sheet.bitmap(), 27 * 20 + 13, 14, "half past the right edge"},
        {sheet.bitmap(), 27 * 21, 0, "wholly past the right edge"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas target(27, 27);
        target.Fill(kRed);
        CountingDrawing drawing;
        drawing.Borrow(target.dc());
        drawing.PaintBitmapPartKeyed(0, 0, 27, 27, c.bitmap, c.sourceX, 0);
        drawing.End();
        EXPECT_EQ(drawing.failures > 0, c.bitmap == nullptr);
        for (int y = 0; y < 27; ++y) {
            for (int x = 0; x < 27; ++x) {
                const int tx = x + 13; // column inside tile 20 for the half case
                const bool tile = x < c.tileColumns && !TilePixelIsBlack(20, tx, y);
                ASSERT_EQ(target.At(x, y), tile ? TileColor(20) : kRed) << x << "," << y;
            }
        }
    }
}

TEST_F(DrawingTest, KeyedWholeBitmapAtOwnSizeOrStretched) {
    Canvas picture(4, 2); // left half black, right half blue
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            picture.Set(x, y, x < 2 ? kBlack : kBlue);
    picture.Unselect();
    struct Case {
        int width, height;
        int shownWidth, shownHeight;
    };
    for (const Case& c : {Case{0, 0, 4, 2}, Case{8, 6, 8, 6}}) {
        SCOPED_TRACE(c.width);
        Canvas target(12, 10);
        target.Fill(kRed);
        Drawing drawing(nullptr);
        drawing.Borrow(target.dc());
        drawing.PaintBitmapKeyed(1, 1, c.width, c.height, picture.bitmap());
        drawing.End();
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x) {
                const bool inside =
                    x >= 1 && x < 1 + c.shownWidth && y >= 1 && y < 1 + c.shownHeight;
                const bool blue = inside && x - 1 >= c.shownWidth / 2;
                ASSERT_EQ(target.At(x, y), blue ? kBlue : kRed) << x << "," << y;
            }
    }
}

TEST_F(DrawingTest, KeyedCopyOfNoBitmapReportsAFailureAndDrawsNothing) {
    Canvas target(4, 4);
    target.Fill(kRed);
    CountingDrawing drawing;
    drawing.Borrow(target.dc());
    drawing.PaintBitmapKeyed(0, 0, 4, 4, nullptr);
    drawing.End();
    EXPECT_GE(drawing.failures, 1);
    EXPECT_EQ(target.Count(kRed), 16);
}

TEST_F(DrawingTest, LoadBitmapFileReadsABmpAndAnswersNullForAMissingFile) {
    // A 2 x 1 24-bit bottom-up BMP: blue pixel, then red pixel (rows padded to 4 bytes).
    const unsigned char bmp[] = {'B', 'M', 62, 0, 0, 0,   0, 0, 0, 0, 54, 0, 0, 0, // file header
                                 40,  0,   0,  0, 2, 0,   0, 0, 1, 0, 0,  0, 1, 0, 24, 0,
                                 0,   0,   0,  0, 8, 0,   0, 0,                           // info
                                 0,   0,   0,  0, 0, 0,   0, 0, 0, 0, 0,  0, 0, 0, 0,  0, //
                                 255, 0,   0,  0, 0, 255, 0, 0}; // B G R, B G R, pad
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "vorbin_drawing_test.bmp";
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bmp, 1, sizeof(bmp), f);
    std::fclose(f);

    HBITMAP loaded = Drawing::LoadBitmapFile(path);
    ASSERT_NE(loaded, nullptr);
    BITMAP info{};
    ASSERT_NE(GetObjectW(loaded, sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 1);
    Canvas target(2, 1);
    Drawing drawing(nullptr);
    drawing.Borrow(target.dc());
    drawing.PaintBitmapPart(0, 0, 2, 1, loaded, 0, 0);
    drawing.End();
    EXPECT_EQ(target.At(0, 0), kBlue);
    EXPECT_EQ(target.At(1, 0), kRed);
    DeleteObject(loaded);
    std::remove(path.c_str());

    EXPECT_EQ(Drawing::LoadBitmapFile(path), nullptr);
}

// The scoped helpers: the previous object comes back, owned objects go at scope end, and
// the count follows them.
TEST_F(DrawingTest, ScopedHelpersRestoreReleaseAndCount) {
    Canvas canvas(4, 4);
    HGDIOBJ original = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    HBRUSH kept = nullptr;
    HPEN handedOver = nullptr;
    {
        OwnedBrush brush(CreateSolidBrush(kRed));
        OwnedPen pen(CreatePen(PS_SOLID, 1, kBlue));
        MemoryContext memory(canvas.dc());
        EXPECT_EQ(LiveGdiObjects(), baseline + 3);
        kept = brush.Get();
        {
            SelectScope select(canvas.dc(), brush.Get());
            EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush.Get());
        }
        EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), original);
        handedOver = pen.Release();
        EXPECT_EQ(LiveGdiObjects(), baseline + 2);
    }
    EXPECT_EQ(GetObjectType(kept), 0u);            // deleted at scope end
    EXPECT_EQ(GetObjectType(handedOver), OBJ_PEN); // released, not deleted
    DeleteObject(handedOver);
}

} // namespace
