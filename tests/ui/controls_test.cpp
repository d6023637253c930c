// Buttons, labels, images, text boxes and timers in real windows with real messages.
#include "ui/button.h"
#include "ui/draw/gdi_scope.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/text_box.h"
#include "ui/timer.h"

#include "tests/ui/controls_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace OrvoUtility;
using namespace controls_test;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGrey105 = RGB(105, 105, 105);
constexpr COLORREF kGrey150 = RGB(150, 150, 150);

// A form that gives its controls white text on red, as the game's main form does for its
// play button.
class ColourForm : public Form {
  public:
    ColourForm() : Form(GetModuleHandleW(nullptr)) {}
    ~ColourForm() override { CloseAndDestroy(); }
    HBRUSH OnControlColor(HDC dc) override {
        SetTextColor(dc, kWhite);
        SetBkColor(dc, kRed);
        return brush.Get();
    }
    OwnedBrush brush{CreateSolidBrush(kRed)};
};

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<ColourForm>();
        form->left = 40;
        form->top = 40;
        form->Create();
        NotTheMainWindow(*form);
        form->SetClientSize(400, 300);
        PumpMessages();
        ASSERT_NE(form->handle, nullptr);
    }
    void TearDown() override {
        form.reset();
        PumpMessages();
    }
    std::unique_ptr<ColourForm> form;
};

// Draws an owner-drawn "OK" button of 100 x 40 on a memory bitmap with the given state,
// white text on red and a font 22 pixels high selected, as the button's parent would.
std::unique_ptr<Canvas> DrawButtonItem(UINT state, COLORREF textColor, Font& font) {
    Button button(nullptr, "OK");
    button.ownerDraw = true;
    auto canvas = std::make_unique<Canvas>(100, 40);
    SetTextColor(canvas->dc(), textColor);
    SetBkColor(canvas->dc(), kRed);
    SelectObject(canvas->dc(), font.GetHandle());
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hDC = canvas->dc();
    item.rcItem = RECT{0, 0, 100, 40};
    item.itemState = state;
    EXPECT_TRUE(button.OnDrawItem(item));
    SelectObject(canvas->dc(), GetStockObject(SYSTEM_FONT));
    return canvas;
}

TEST(ButtonDrawing, ColoursForEachState) {
    Font font("Arial", 22);
    const int baseline = LiveGdiObjects();
    struct Case {
        UINT state;
        COLORREF text;
        COLORREF wantFrame;
        COLORREF wantText;
        const char* what;
    };
    const Case cases[] = {
        {0, kWhite, kWhite, kWhite, "normal: frame in the text colour"},
        {ODS_SELECTED, kWhite, kBlack, kWhite, "pressed, white text: black frame"},
        {ODS_SELECTED, kBlack, kWhite, kBlack, "pressed, black text: white frame"},
        {ODS_DISABLED, kWhite, kGrey105, kGrey150, "disabled: grey whatever the colours"},
        {ODS_DISABLED | ODS_SELECTED, kBlack, kGrey105, kGrey150, "disabled wins over pressed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto shot = DrawButtonItem(c.state, c.text, font);
        for (POINT p : {POINT{0, 0}, POINT{99, 0}, POINT{0, 39}, POINT{99, 39}, POINT{50, 0}})
            EXPECT_EQ(shot->At(p.x, p.y), c.wantFrame);
        EXPECT_EQ(shot->At(2, 2), kRed); // background from the context
        // The caption is in the text colour, inside the frame.
        Canvas inner(98, 38);
        BitBlt(inner.dc(), 0, 0, 98, 38, shot->dc(), 1, 1, SRCCOPY);
        EXPECT_GT(inner.Count(c.wantText), 5);
    }
    EXPECT_EQ(LiveGdiObjects(), baseline);
}

TEST(ButtonDrawing, CaptionStartsHalfTheSpareHeightBelowTheTopAndFocusIsInsetBy3) {
    Font font("Arial", 22);
    auto shot = DrawButtonItem(ODS_SELECTED | ODS_FOCUS, kWhite, font);
    // The same caption drawn directly from y 9 ((40 - 22) / 2), centred in the width.
    Canvas reference(100, 60);
    reference.Fill(kRed);
    SetTextColor(reference.dc(), kWhite);
    SetBkMode(reference.dc(), TRANSPARENT);
    SelectObject(reference.dc(), font.GetHandle());
    RECT r{0, 9, 100, 49};
    DrawTextW(reference.dc(), L"OK", 2, &r, DT_CENTER);
    SelectObject(reference.dc(), GetStockObject(SYSTEM_FONT));
    const RECT want = reference.BoundsOf(kWhite);
    const RECT got = shot->BoundsOf(kWhite);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.left, want.left);

    // Dotted focus rectangle on row 3 from x 3; nothing of it on row 2.
    int changedRow3 = 0;
    for (int x = 3; x < 97; ++x)
        changedRow3 += shot->At(x, 3) != kRed ? 1 : 0;
    EXPECT_GT(changedRow3, 20);
    for (int x = 1; x < 99; ++x)
        ASSERT_EQ(shot->At(x, 2), kRed) << x;
}

// The same looks through the real control: the parent's colours reach the drawing and the
// button's own state changes redraw it.
TEST_F(ControlsTest, OwnerDrawnButtonShowsPressedDisabledAndFocusedStates) {
    static int clicks = 0;
    clicks = 0;
    Button button(form.get(), "OK");
    button.ownerDraw = true;
    button.SetSize(100, 40);
    button.SetLocation(20, 20);
    button.onClick = [](GUIElement*) { ++clicks; };
    button.Create();
    EXPECT_TRUE(GetWindowLongPtrW(button.handle, GWL_STYLE) & BS_OWNERDRAW);
    PumpMessages();
    auto shot = [&] {
        RedrawWindow(button.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpMessages();
        return CaptureClient(button.handle);
    };
    EXPECT_EQ(shot()->At(0, 0), kWhite);
    EXPECT_EQ(shot()->At(5, 5), kRed);

    SendMessageW(button.handle, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(shot()->At(0, 0), kBlack);
    SendMessageW(button.handle, BM_SETSTATE, FALSE, 0);

    button.SetEnabled(false);
    auto disabled = shot();
    EXPECT_EQ(disabled->At(0, 0), kGrey105);
    EXPECT_GT(disabled->Count(kGrey150), 5);
    button.SetEnabled(true);

    SetForegroundWindow(form->handle);
    button.Focus();
    PumpMessages();
    EXPECT_EQ(GetFocus(), button.handle);
    auto focused = shot();
    EXPECT_EQ(focused->At(0, 0), kWhite);
    int dots = 0;
    for (int x = 3; x < 97; ++x)
        dots += focused->At(x, 3) != kRed ? 1 : 0;
    EXPECT_GT(dots, 20);

    SendMessageW(button.handle, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, LabelReportsClicksToItsOwnCallbacks) {
    static int downs = 0;
    static int ups = 0;
    downs = ups = 0;
    Label label(form.get(), "Sito");
    label.onMouseDown = [](GUIElement*, HWND, int x, int y) { downs += x == 5 && y == 6; };
    label.onMouseUp = [](GUIElement*, HWND, int, int) { ++ups; };
    label.Create();
    EXPECT_TRUE(GetWindowLongPtrW(label.handle, GWL_STYLE) & SS_NOTIFY);
    SendMessageW(label.handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    SendMessageW(label.handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
}

TEST_F(ControlsTest, ImageShowsItsBitmapResourceAtItsOwnSize) {
    const int baseline = LiveGdiObjects();
    {
        Image image(form.get(), 77);
        image.SetLocation(10, 10);
        image.Create();
        ASSERT_TRUE(image.created);
        const HGDIOBJ shown =
            reinterpret_cast<HGDIOBJ>(SendMessageW(image.handle, STM_GETIMAGE, IMAGE_BITMAP, 0));
        EXPECT_EQ(shown, image.bitmap.Get());
        EXPECT_EQ(LiveGdiObjects(), baseline + 1);
        PumpMessages();
        auto shot = CaptureClient(image.handle);
        ASSERT_GE(shot->width(), 4);
        EXPECT_EQ(shot->At(0, 0), kRed);
        EXPECT_EQ(shot->At(3, 0), RGB(0, 0, 255));
        EXPECT_EQ(shot->At(0, 1), kWhite);
    }
    EXPECT_EQ(LiveGdiObjects(), baseline);
}

TEST_F(ControlsTest, ImageWithoutAResourceStaysEmpty) {
    for (int resource : {0, -3, 4242}) {
        Image image(form.get(), resource);
        image.Create();
        EXPECT_TRUE(image.created);
        EXPECT_FALSE(image.bitmap);
        EXPECT_EQ(SendMessageW(image.handle, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    }
}

void Type(HWND box, const std::string& keys) {
    for (char c : keys)
        SendMessageW(box, WM_CHAR, static_cast<WPARAM>(c), 1);
}

TEST_F(ControlsTest, TextBoxStylesOfTheNameAndNoticeBoxes) {
    TextBox name(form.get(), "");
    name.upperCase = true;
    EXPECT_EQ(name.Style(), static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER |
                                               ES_AUTOHSCROLL | ES_UPPERCASE));
    TextBox notice(form.get(), "");
    notice.multiline = true;
    notice.readOnly = true;
    notice.verticalScroll = true;
    EXPECT_EQ(notice.Style(), static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL |
                                                 WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL |
                                                 ES_WANTRETURN | ES_AUTOHSCROLL | ES_READONLY));
    name.Create();
    notice.Create();
    for (TextBox* box : {&name, &notice})
        EXPECT_TRUE(GetWindowLongPtrW(box->handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    const LONG_PTR live = GetWindowLongPtrW(notice.handle, GWL_STYLE);
    EXPECT_TRUE(live & ES_MULTILINE);
    EXPECT_TRUE(live & ES_READONLY);
    EXPECT_TRUE(live & WS_VSCROLL);
}

TEST_F(ControlsTest, TextBoxLengthLimitAndUpperCase) {
    TextBox name(form.get(), "");
    name.upperCase = true;
    name.SetMaxLength(10);
    name.SetSize(200, 24);
    name.Create();
    Type(name.handle, "abcdefghijklmno");
    EXPECT_EQ(name.GetTextNarrow(), "ABCDEFGHIJ");
    // Pasted text is cut to the limit as well.
    SetWindowTextW(name.handle, L"");
    SendMessageW(name.handle, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"PQRSTUVWXYZ0123"));
    EXPECT_EQ(name.GetTextNarrow(), "PQRSTUVWXY");

    // No limit set: the control's own (large) limit applies.
    TextBox free(form.get(), "");
    free.SetSize(200, 24);
    free.Create();
    Type(free.handle, std::string(40, 'k'));
    EXPECT_EQ(free.GetTextNarrow(), std::string(40, 'k'));
    // A limit set on the live box applies to what comes next.
    SetWindowTextW(free.handle, L"");
    free.SetMaxLength(3);
    Type(free.handle, "wxyz");
    EXPECT_EQ(free.GetTextNarrow(), "wxy");
}

TEST_F(ControlsTest, TextBoxStyleChangesTakeEffectOnTheLiveBox) {
    TextBox box(form.get(), "");
    box.SetSize(200, 24);
    box.Create();
    box.SetUpperCase(true);
    Type(box.handle, "ab");
    EXPECT_EQ(box.GetTextNarrow(), "AB");
    box.SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongPtrW(box.handle, GWL_STYLE) & ES_READONLY);
    Type(box.handle, "cd");
    EXPECT_EQ(box.GetTextNarrow(), "AB");
    box.SetReadOnly(false);
    Type(box.handle, "e");
    EXPECT_EQ(box.GetTextNarrow(), "ABE");
}

TEST_F(ControlsTest, ReadOnlyNoticeBoxScrollsButRefusesTyping) {
    std::string lines;
    for (int i = 0; i < 30; ++i)
        lines += "riga " + std::to_string(i) + "\r\n";
    TextBox notice(form.get(), lines);
    notice.multiline = true;
    notice.readOnly = true;
    notice.verticalScroll = true;
    notice.SetSize(200, 80);
    notice.Create();
    EXPECT_EQ(SendMessageW(notice.handle, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    SendMessageW(notice.handle, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(SendMessageW(notice.handle, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
    Type(notice.handle, "zz");
    EXPECT_EQ(notice.GetTextNarrow(), lines);
}

TEST_F(ControlsTest, TimerTicksUntilStopped) {
    static int ticks = 0;
    static GUIElement* tickedBy = nullptr;
    ticks = 0;
    Timer timer(form.get(), 15);
    timer.onTick = [](GUIElement* e) {
        ++ticks;
        tickedBy = e;
    };
    EXPECT_FALSE(timer.created); // made on first Start
    timer.Start();
    timer.Start();
    EXPECT_TRUE(timer.ticking);
    EXPECT_TRUE(timer.created);
    EXPECT_FALSE(IsWindowVisible(timer.handle));
    EXPECT_TRUE(PumpUntil([] { return ticks >= 3; }, 3000));
    EXPECT_EQ(tickedBy, &timer);

    timer.Stop();
    timer.Stop();
    EXPECT_FALSE(timer.ticking);
    const int stoppedAt = ticks;
    PumpFor(150);
    EXPECT_EQ(ticks, stoppedAt);

    timer.Start(); // and again after a stop
    EXPECT_TRUE(PumpUntil([&] { return ticks > stoppedAt; }, 3000));
}

TEST_F(ControlsTest, DeletingARunningTimerKillsItsSystemTimer) {
    static int ticks = 0;
    ticks = 0;
    auto timer = std::make_unique<Timer>(form.get(), 10);
    timer->onTick = [](GUIElement*) { ++ticks; };
    timer->Start();
    ASSERT_TRUE(PumpUntil([] { return ticks >= 1; }, 3000));
    timer.reset();
    PumpMessages();
    Sleep(60);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, form->handle, WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

TEST_F(ControlsTest, TimerWithoutParentWindowRunsWithoutEvents) {
    Timer timer(nullptr, 10);
    timer.Start();
    EXPECT_TRUE(timer.ticking);
    Sleep(60);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE));
    timer.Stop();
    EXPECT_FALSE(timer.ticking);
}

} // namespace
