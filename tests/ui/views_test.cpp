// Panels, image frames and text cells in real windows, checked by their on-screen pixels.
#include "ui/draw/cell_control.h"
#include "ui/draw/drawing.h"
#include "ui/draw/image_frame.h"
#include "ui/draw/panel_children.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/label.h"

#include "tests/ui/controls_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace OrvoUtility;
using namespace controls_test;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

std::wstring ClassNameOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

class ViewsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = MakeHostForm(420, 320);
        ASSERT_NE(form->handle, nullptr);
        sheet = std::make_unique<Canvas>(27 * 21, 27);
        DrawTileSheet(*sheet);
        sheet->Unselect();
    }
    void TearDown() override {
        form.reset();
        PumpMessages();
    }
    std::unique_ptr<Form> form;
    std::unique_ptr<Canvas> sheet;
};

TEST_F(ViewsTest, PanelsNameTheirClassesAndTakeIdsFromTheCounter) {
    const int n = IdCounterValue();
    PanelChildren first(form.get());
    PanelChildren second(form.get());
    first.Create();
    second.Create();
    EXPECT_EQ(ClassNameOf(first.handle), L"PanelChildren" + std::to_wstring(n));
    EXPECT_EQ(first.id, n + 1);
    EXPECT_EQ(ClassNameOf(second.handle), L"PanelChildren" + std::to_wstring(n + 1));
    EXPECT_EQ(second.id, n + 2);
    EXPECT_EQ(GetDlgCtrlID(second.handle), n + 2);
    EXPECT_EQ(GetParent(second.handle), form->handle);
}

TEST_F(ViewsTest, PanelStyleFollowsBorderTabStopAndEnabled) {
    struct Case {
        bool border, flat, tabStop, enabled;
    };
    const Case cases[] = {{false, false, true, true},
                          {true, false, true, true},
                          {true, true, false, true},
                          {false, false, false, false}};
    for (const Case& c : cases) {
        PanelChildren panel(form.get());
        panel.border = c.border;
        panel.flatBorder = c.flat;
        panel.tabStop = c.tabStop;
        panel.enabled = c.enabled;
        panel.Create();
        const LONG_PTR style = GetWindowLongPtrW(panel.handle, GWL_STYLE);
        const LONG_PTR exStyle = GetWindowLongPtrW(panel.handle, GWL_EXSTYLE);
        EXPECT_EQ((style & WS_BORDER) != 0, c.border);
        EXPECT_EQ((exStyle & WS_EX_CLIENTEDGE) != 0, c.border && !c.flat);
        EXPECT_EQ((style & WS_TABSTOP) != 0, c.tabStop);
        EXPECT_EQ((style & WS_DISABLED) != 0, !c.enabled);
        EXPECT_TRUE(style & WS_VISIBLE);
    }
    // Switched on later, the border comes without a client edge.
    PanelChildren late(form.get());
    late.Create();
    late.SetBorder(true);
    EXPECT_TRUE(GetWindowLongPtrW(late.handle, GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLongPtrW(late.handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT client{};
    GetClientRect(late.handle, &client);
    EXPECT_EQ(client.right, late.width - 2); // the new frame is in place
}

// A deleted panel leaves no window, no class and no brush behind.
TEST_F(ViewsTest, DeletingAPanelReleasesItsWindowClassAndBrushes) {
    const int baseline = LiveGdiObjects();
    auto panel = std::make_unique<PanelChildren>(form.get());
    panel->backColor = kGreen;
    panel->Create();
    Label label(panel.get(), "x");
    label.Create();
    PumpMessages();
    const HWND window = panel->handle;
    const std::wstring className = ClassNameOf(window);
    const HGDIOBJ classBrush =
        reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND));
    EXPECT_EQ(GetObjectType(classBrush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_GT(LiveGdiObjects(), baseline);

    panel.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(label.handle)); // went with its panel
    WNDCLASSW info{};
    EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(nullptr), className.c_str(), &info));
    EXPECT_EQ(GetObjectType(classBrush), 0u);
    EXPECT_EQ(LiveGdiObjects(), baseline);
}

// A child control of a panel is drawn on the panel's background colour.
TEST_F(ViewsTest, ChildControlsGetThePanelsBackground) {
    PanelChildren panel(form.get());
    panel.backColor = kGreen;
    panel.SetSize(200, 60);
    panel.SetLocation(10, 10);
    panel.Create();
    Label label(&panel, "i");
    label.SetSize(100, 30);
    label.SetLocation(5, 5);
    label.Create();
    PumpMessages();
    auto shot = CaptureClient(label.handle);
    EXPECT_EQ(shot->At(95, 25), kGreen);
    EXPECT_EQ(CaptureClient(panel.handle)->At(150, 50), kGreen);
}

TEST_F(ViewsTest, ImageFrameShowsItsTileOpaqueAndAfterSetFrame) {
    ImageFrame frame(form.get(), sheet->bitmap(), 12);
    frame.transparent = false;
    frame.SetSize(27, 27);
    frame.SetLocation(30, 30);
    frame.Create();
    // Shown at once: no repaint request after Create.
    EXPECT_TRUE(ShowsTile(*CaptureClient(frame.handle), 0, 0, 12, RGB(0, 0, 0)));

    frame.SetFrame(15);
    PumpMessages();
    EXPECT_TRUE(ShowsTile(*CaptureClient(frame.handle), 0, 0, 15, RGB(0, 0, 0)));
}

TEST_F(ViewsTest, TransparentImageFrameShowsItsBackgroundWhereTheTileIsBlack) {
    ImageFrame frame(form.get(), sheet->bitmap(), 7);
    frame.backColor = kRed;
    frame.SetSize(27, 27);
    frame.SetLocation(60, 30);
    frame.Create();
    PumpMessages();
    EXPECT_TRUE(ShowsTile(*CaptureClient(frame.handle), 0, 0, 7, kRed));

    // Painted over after a live background change as well.
    frame.SetBackColor(kGreen);
    InvalidateRect(frame.handle, nullptr, TRUE);
    PumpMessages();
    EXPECT_TRUE(ShowsTile(*CaptureClient(frame.handle), 0, 0, 7, kGreen));
}

TEST_F(ViewsTest, ImageFrameWithoutBitmapStillRunsItsPaintCallback) {
    static int paints = 0;
    paints = 0;
    ImageFrame frame(form.get(), nullptr, 0);
    frame.onPaint = [](GUIElement*) { ++paints; };
    frame.Create();
    PumpMessages();
    EXPECT_GE(paints, 1);
}

// Where a cell's text starts: (client height - font height) / 2 from the top. The text's ink
// is compared with the same text drawn at y 0 on a memory bitmap.
TEST_F(ViewsTest, CellTextIsCentredByTheFontHeight) {
    struct Case {
        int clientHeight, fontHeight;
    };
    for (const Case& c : {Case{45, 25}, Case{45, 22}, Case{25, 22}}) {
        SCOPED_TRACE(std::to_string(c.clientHeight) + " / " + std::to_string(c.fontHeight));
        Font font("Arial", c.fontHeight);
        Canvas reference(200, 60);
        reference.Fill(kWhite);
        Drawing drawing(nullptr);
        drawing.Borrow(reference.dc());
        const int measured = drawing.MeasureTextHeight(&font);
        drawing.PaintText(0, 0, 200, 60, L"Hg", RGB(0, 0, 0), 0, &font);
        drawing.End();
        const int inkOffset = reference.BoundsNot(kWhite).top;

        CellControl cell(form.get());
        cell.font = &font;
        cell.alignment = 0;
        cell.SetText(std::string("Hg"));
        cell.SetSize(200, c.clientHeight);
        cell.SetLocation(10, 100);
        cell.Create();
        cell.SetBackColor(kWhite);
        InvalidateRect(cell.handle, nullptr, TRUE);
        PumpMessages();
        const RECT ink = CaptureClient(cell.handle)->BoundsNot(kWhite);
        EXPECT_EQ(ink.top, (c.clientHeight - measured) / 2 + inkOffset);
        if (measured == c.fontHeight) { // the documented examples: 10, 11 and 1
            const int documented = c.clientHeight == 25 ? 1 : c.fontHeight == 25 ? 10 : 11;
            EXPECT_EQ((c.clientHeight - measured) / 2, documented);
        }
    }
}

TEST_F(ViewsTest, CellAlignsOverTheFullWidthAndPaintsItsWholeBackground) {
    struct Case {
        int alignment;
        const char* what;
    };
    for (const Case& c : {Case{0, "left"}, Case{1, "right"}, Case{2, "centre"}}) {
        SCOPED_TRACE(c.what);
        CellControl cell(form.get()); // its own Tahoma font
        cell.SetSize(300, 30);
        cell.SetLocation(10, 200);
        cell.Create();
        cell.SetBackColor(kWhite);
        cell.SetAlignment(c.alignment);
        cell.SetText(std::string("MMMM"));
        PumpMessages();
        auto shot = CaptureClient(cell.handle);
        const RECT ink = shot->BoundsNot(kWhite);
        ASSERT_GT(ink.right, ink.left);
        if (c.alignment == 0)
            EXPECT_LE(ink.left, 2);
        else if (c.alignment == 1)
            EXPECT_GE(ink.right, 298);
        else
            EXPECT_NEAR((ink.left + ink.right) / 2, 150, 2);
        EXPECT_EQ(shot->At(299, 29), kWhite); // the last row and column too
    }
}

TEST_F(ViewsTest, CellTextSetBeforeTheWindowShowsAtTheFirstPaint) {
    static bool paintedFlagInCallback = true;
    CellControl cell(form.get());
    cell.SetText(std::wstring(L"MM"));
    cell.onPaint = [](GUIElement* e) { paintedFlagInCallback = e->backColorPainted; };
    cell.SetSize(100, 30);
    cell.SetLocation(10, 250);
    cell.Create();
    cell.SetBackColor(kWhite);
    InvalidateRect(cell.handle, nullptr, TRUE);
    PumpMessages();
    EXPECT_FALSE(paintedFlagInCallback);
    EXPECT_TRUE(cell.backColorPainted);
    EXPECT_GT(CaptureClient(cell.handle)->BoundsNot(kWhite).right, 0);

    cell.SetText(std::string());
    PumpMessages();
    EXPECT_EQ(CaptureClient(cell.handle)->BoundsNot(kWhite).right, 0); // background only
}

// Thousands of repaints of frames and cells leave the drawing layer's object count where
// it was, and deleting the views brings it back to where it was before them.
TEST_F(ViewsTest, RepaintingManyViewsDoesNotAccumulateGdiObjects) {
    static int paints = 0;
    paints = 0;
    const int before = LiveGdiObjects();
    std::vector<std::unique_ptr<ImageFrame>> frames;
    for (int i = 0; i < 40; ++i) {
        auto frame = std::make_unique<ImageFrame>(form.get(), sheet->bitmap(), i % 21);
        frame->transparent = i % 2 == 0;
        frame->backColor = kRed;
        frame->SetSize(27, 27);
        frame->SetLocation(27 * (i % 10), 27 * (i / 10));
        frame->onPaint = [](GUIElement*) { ++paints; };
        frame->Create();
        frames.push_back(std::move(frame));
    }
    Font font("Arial", 16);
    std::vector<std::unique_ptr<CellControl>> cells;
    for (int i = 0; i < 5; ++i) {
        auto cell = std::make_unique<CellControl>(form.get());
        cell->SetSize(200, 24);
        cell->SetLocation(0, 120 + 26 * i);
        cell->font = i % 2 == 0 ? &font : nullptr;
        cell->onPaint = [](GUIElement*) { ++paints; };
        cell->Create();
        cell->SetBackColor(kWhite);
        cells.push_back(std::move(cell));
    }
    PumpMessages();
    const int steady = LiveGdiObjects();

    constexpr int kRounds = 400;
    for (int round = 0; round < kRounds; ++round) {
        for (auto& frame : frames)
            frame->SetFrame((round + frame->id) % 21);
        for (auto& cell : cells)
            cell->SetText("Punti " + std::to_string(round));
        PumpMessages();
        ASSERT_EQ(LiveGdiObjects(), steady) << "after round " << round;
    }
    EXPECT_GE(paints, kRounds * 45);

    frames.clear();
    cells.clear();
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
