// The framework window procedure with real windows and real messages.
#include "tests/ui/core_fixture.h"

#include "ui/element.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/window_proc.h"

#include <memory>
#include <string>
#include <vector>

using namespace OrvoUtility;
using OrvoTest::FrameworkTest;
using OrvoTest::TestButton;
using OrvoTest::TestEdit;
using OrvoTest::TestLabel;

namespace {

std::wstring WindowText(HWND window) {
    wchar_t buffer[64] = {};
    GetWindowTextW(window, buffer, 64);
    return buffer;
}

bool RefuseX(GUIElement*, int character) {
    return character != 'x';
}

TEST_F(FrameworkTest, SwallowedCharacterNeverReachesTheEditControl) {
    Form form(Module());
    form.Create();
    TestEdit edit(&form);
    edit.onKeyPress = &RefuseX;
    edit.Create();
    TestEdit open(&form); // no handler: every character goes through
    open.Create();

    EXPECT_EQ(SendMessageW(edit.handle, WM_CHAR, 'x', 1), 1);
    EXPECT_EQ(WindowText(edit.handle), L"");
    SendMessageW(edit.handle, WM_CHAR, 'y', 1);
    EXPECT_EQ(WindowText(edit.handle), L"y");
    SendMessageW(open.handle, WM_CHAR, 'x', 1);
    EXPECT_EQ(WindowText(open.handle), L"x");
}

std::vector<int> keysDown;
void NoteKeyDown(GUIElement*, int key) {
    keysDown.push_back(key);
}

// Holds Shift down in this thread's key state for one scope.
class ShiftHeld {
  public:
    ShiftHeld() {
        GetKeyboardState(saved);
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = 0x80;
        SetKeyboardState(state);
    }
    ~ShiftHeld() { SetKeyboardState(saved); }
    ShiftHeld(const ShiftHeld&) = delete;
    ShiftHeld& operator=(const ShiftHeld&) = delete;

  private:
    BYTE saved[256] = {};
};

TEST_F(FrameworkTest, TabAndShiftTabMoveTheFocusBetweenControls) {
    Form form(Module());
    form.SetSize(300, 200);
    form.Create();
    TestEdit first(&form), second(&form), third(&form);
    first.SetLocation(10, 10);
    second.SetLocation(10, 50);
    third.SetLocation(10, 90);
    first.onKeyDown = &NoteKeyDown;
    first.Create();
    second.Create();
    third.Create();

    keysDown.clear();
    first.Focus();
    ASSERT_EQ(GetFocus(), first.handle);
    SendMessageW(first.handle, WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(GetFocus(), second.handle);
    EXPECT_EQ(keysDown, std::vector<int>{VK_TAB}); // the key still reaches OnKeyDown
    SendMessageW(second.handle, WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(GetFocus(), third.handle);
    {
        ShiftHeld shift;
        SendMessageW(third.handle, WM_KEYDOWN, VK_TAB, 1);
        EXPECT_EQ(GetFocus(), second.handle);
    }
}

std::vector<bool> seenChecked;
void NoteChecked(GUIElement* element) {
    seenChecked.push_back(static_cast<SubMenu*>(element)->checked);
}

TEST_F(FrameworkTest, CheckableMenuEntryToggledBeforeItsHandler) {
    Form form(Module());
    form.Create();
    MenuBar bar(&form);
    Menu menu(&bar, "&Opzioni");
    SubMenu option(&menu, "&Vite infinite");
    option.SetCheckable(true);
    option.onClick = &NoteChecked;
    SubMenu plain(&menu, "&Esci");
    plain.onClick = &NoteChecked;
    bar.Create();

    seenChecked.clear();
    SendMessageW(form.handle, WM_COMMAND, MAKEWPARAM(option.id, 0), 0);
    EXPECT_EQ(GetMenuState(menu.menuHandle, option.id, MF_BYCOMMAND),
              static_cast<UINT>(MF_CHECKED));
    SendMessageW(form.handle, WM_COMMAND, MAKEWPARAM(option.id, 0), 0);
    SendMessageW(form.handle, WM_COMMAND, MAKEWPARAM(plain.id, 0), 0);
    EXPECT_EQ(seenChecked, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(GetMenuState(menu.menuHandle, option.id, MF_BYCOMMAND),
              static_cast<UINT>(MF_UNCHECKED));
    // An accelerator command (code 1) runs nothing.
    SendMessageW(form.handle, WM_COMMAND, MAKEWPARAM(plain.id, 1), 0);
    EXPECT_EQ(seenChecked.size(), 3u);
}

int clicks = 0;
void CountClick(GUIElement*) {
    ++clicks;
}

TEST_F(FrameworkTest, ButtonCommandRunsTheHandlerOncePerNotification) {
    Form form(Module());
    form.Create();
    TestButton button(&form);
    button.onClick = &CountClick;
    button.Create();
    clicks = 0;

    SendMessageW(button.handle, BM_CLICK, 0, 0); // a real click notification from the button
    EXPECT_EQ(clicks, 1);
    LPARAM control = reinterpret_cast<LPARAM>(button.handle);
    SendMessageW(form.handle, WM_COMMAND, MAKEWPARAM(button.id, BN_CLICKED), control);
    SendMessageW(form.handle, WM_COMMAND, MAKEWPARAM(button.id, BN_DBLCLK), control);
    EXPECT_EQ(clicks, 3);
}

TEST_F(FrameworkTest, CommandFromAForeignControlRunsNoHandler) {
    Form form(Module());
    form.Create();
    HWND foreign = CreateWindowExW(0, L"Button", L"x", WS_CHILD, 0, 0, 10, 10, form.handle, nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(foreign, nullptr);
    // The last constructed element has no window, so a careless lookup would pick it.
    MenuBar bar(&form);
    Menu menu(&bar, "&File");
    SubMenu entry(&menu, "&Esci");
    entry.onClick = &CountClick;
    clicks = 0;
    SendMessageW(form.handle, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(foreign));
    EXPECT_EQ(clicks, 0);
    DestroyWindow(foreign);
}

// A child that counts the timer events carrying its identifier.
class TickProbe : public Child {
  public:
    explicit TickProbe(GUIElement* owner) { parent = owner; }
    void Create() override { CreateStandardControl(L"static", 0, WS_CHILD); }
    void OnTimerTick() override { ++ticks; }
    int ticks = 0;
};

TEST_F(FrameworkTest, TimerEventReachesOnlyTheElementWithThatIdentifier) {
    Form form(Module());
    form.Create();
    TickProbe probe(&form);
    probe.Create();
    MenuBar bar(&form);
    Menu menu(&bar, "&Opzioni");
    SubMenu option(&menu, "&Abilita Joystick");
    option.SetCheckable(true);
    option.onClick = &CountClick;
    bar.Create();
    clicks = 0;

    SendMessageW(form.handle, WM_TIMER, static_cast<WPARAM>(probe.id), 0);
    EXPECT_EQ(probe.ticks, 1);
    // The identifier of an element that is no timer: nothing toggles, nothing runs.
    SendMessageW(form.handle, WM_TIMER, static_cast<WPARAM>(option.id), 0);
    SendMessageW(form.handle, WM_TIMER, static_cast<WPARAM>(form.id), 0);
    SendMessageW(form.handle, WM_TIMER, 0x7FFF, 0);
    EXPECT_FALSE(option.IsChecked());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(probe.ticks, 1);
}

TEST_F(FrameworkTest, HandCursorWinsOverTheBusyCursor) {
    Form form(Module());
    form.Create();
    TestEdit edit(&form);
    edit.Create();
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    struct Case {
        bool handOn, busyOn;
        HCURSOR expected;
    };
    const Case cases[] = {{true, true, hand}, {true, false, hand}, {false, true, wait}};
    LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    WPARAM over = reinterpret_cast<WPARAM>(edit.handle);
    for (const Case& c : cases) {
        edit.SetHandCursor(c.handOn);
        edit.SetBusyCursor(c.busyOn);
        SetCursor(nullptr);
        EXPECT_EQ(SendMessageW(edit.handle, WM_SETCURSOR, over, overClient), TRUE);
        EXPECT_EQ(GetCursor(), c.expected);
    }
    // Outside the client area the element's flags do not matter.
    SetCursor(nullptr);
    SendMessageW(edit.handle, WM_SETCURSOR, over, MAKELPARAM(HTBORDER, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), hand);
}

struct MouseCall {
    std::string what;
    HWND window;
    int x, y;
};
std::vector<MouseCall> mouseCalls;
void NoteDown(GUIElement*, HWND w, int x, int y) {
    mouseCalls.push_back({"down", w, x, y});
}
void NoteUp(GUIElement*, HWND w, int x, int y) {
    mouseCalls.push_back({"up", w, x, y});
}
void NoteDouble(GUIElement*, HWND w, int x, int y) {
    mouseCalls.push_back({"double", w, x, y});
}
void NoteRightDown(GUIElement*, HWND w, int x, int y) {
    mouseCalls.push_back({"rdown", w, x, y});
}
void NoteRightUp(GUIElement*, HWND w, int x, int y) {
    mouseCalls.push_back({"rup", w, x, y});
}
void NoteRightDouble(GUIElement*, HWND w, int x, int y) {
    mouseCalls.push_back({"rdouble", w, x, y});
}
void NoteMove(GUIElement* e, int x, int y) {
    mouseCalls.push_back({"move", e->handle, x, y});
}

TEST_F(FrameworkTest, MouseMessagesCarrySignedClientCoordinates) {
    Form form(Module());
    form.Create();
    TestLabel label(&form);
    label.onMouseDown = &NoteDown;
    label.onMouseUp = &NoteUp;
    label.onDoubleClick = &NoteDouble;
    label.onRightMouseDown = &NoteRightDown;
    label.onRightMouseUp = &NoteRightUp;
    label.onRightDoubleClick = &NoteRightDouble;
    label.onMouseMove = &NoteMove;
    label.Create();
    struct Case {
        UINT message;
        const char* what;
    };
    const Case cases[] = {{WM_LBUTTONDOWN, "down"},     {WM_LBUTTONUP, "up"},
                          {WM_LBUTTONDBLCLK, "double"}, {WM_RBUTTONDOWN, "rdown"},
                          {WM_RBUTTONUP, "rup"},        {WM_RBUTTONDBLCLK, "rdouble"},
                          {WM_MOUSEMOVE, "move"}};
    for (const Case& c : cases) {
        mouseCalls.clear();
        SendMessageW(label.handle, c.message, 0, MAKELPARAM(-5, 7));
        ASSERT_EQ(mouseCalls.size(), 1u) << c.what;
        EXPECT_EQ(mouseCalls[0].what, c.what);
        EXPECT_EQ(mouseCalls[0].window, label.handle);
        EXPECT_EQ(mouseCalls[0].x, -5);
        EXPECT_EQ(mouseCalls[0].y, 7);
    }
}

std::string events;
void NoteKeyUp(GUIElement*, int key) {
    events += "keyup " + std::to_string(key) + " ";
}
void NoteHover(GUIElement*) {
    events += "hover ";
}
void NoteLeave(GUIElement*) {
    events += "leave ";
}
void NoteResize(GUIElement*) {
    events += "resize ";
}
void NoteMoved(GUIElement* element) {
    events += "move@" + std::to_string(element->left) + "," + std::to_string(element->top) + " ";
}
void NotePaint(GUIElement*) {
    events += "paint ";
}

// A label that also reports the show hook, which has no callback field of its own.
class ShowProbe : public TestLabel {
  public:
    using TestLabel::TestLabel;
    void OnShow() override { events += "show "; }
};

TEST_F(FrameworkTest, EachMessageRunsItsOwnOperation) {
    Form form(Module());
    form.SetSize(200, 150);
    form.Create();
    ShowProbe probe(&form);
    probe.SetLocation(12, 34);
    probe.onKeyUp = &NoteKeyUp;
    probe.onMouseHover = &NoteHover;
    probe.onMouseLeave = &NoteLeave;
    probe.onResize = &NoteResize;
    probe.onMove = &NoteMoved;
    probe.onPaint = &NotePaint;
    probe.Create();
    OrvoTest::PumpMessages();
    struct Case {
        UINT message;
        WPARAM wParam;
        const char* expected;
    };
    const Case cases[] = {
        {WM_KEYUP, 'A', "keyup 65 "}, {WM_MOUSEHOVER, 0, "hover "},
        {WM_MOUSELEAVE, 0, "leave "}, {WM_SIZE, SIZE_RESTORED, "resize "},
        {WM_MOVE, 0, "move@12,34 "},  {WM_SHOWWINDOW, TRUE, "show resize "},
        {WM_PAINT, 0, "paint "},
    };
    for (const Case& c : cases) {
        events.clear();
        probe.left = probe.top = -1; // a move reads the position back from the window
        SendMessageW(probe.handle, c.message, c.wParam, 0);
        EXPECT_EQ(events, c.expected) << std::hex << c.message;
    }
}

int leaves = 0;
void CountLeave(GUIElement*) {
    ++leaves;
}

void PutCursorOver(HWND window) {
    RECT bounds = {};
    GetWindowRect(window, &bounds);
    SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
}

// Pumps messages until `done` or about two seconds have passed.
template <typename Done> void PumpUntil(Done done) {
    for (int i = 0; i < 100 && !done(); ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        OrvoTest::PumpMessages();
    }
}

TEST_F(FrameworkTest, MouseTrackingResumesWhenTheTrackedWindowStopsReporting) {
    // The tracked window goes away, or its element does, before the mouse leaves it: its
    // WM_MOUSELEAVE never comes here. The next window under the mouse is tracked anyway.
    for (bool destroyWindow : {true, false}) {
        Form form(Module());
        form.SetSize(200, 150);
        form.Create();
        auto first = std::make_unique<TestLabel>(&form);
        TestLabel second(&form);
        second.SetLocation(10, 60);
        second.onMouseLeave = &CountLeave;
        first->Create();
        second.Create();
        OrvoTest::PumpMessages();
        leaves = 0;

        PutCursorOver(first->handle);
        SendMessageW(first->handle, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        if (destroyWindow) {
            DestroyWindow(first->handle);
        } else {
            first.reset();
        }
        PutCursorOver(second.handle);
        SendMessageW(second.handle, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        PutCursorOver(GetDesktopWindow());
        PumpUntil([] { return leaves > 0; });
        EXPECT_EQ(leaves, 1) << (destroyWindow ? "window destroyed" : "element deleted");
    }
}

TEST_F(FrameworkTest, MainWindowWithoutAnElementStillEndsTheLoop) {
    Form host(Module()); // the last element has a window: no fallback applies
    host.Create();
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &FrameworkWindowProc;
    windowClass.hInstance = Module();
    windowClass.lpszClassName = L"OrphanWindowTest";
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    HWND orphan = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10,
                                  nullptr, nullptr, Module(), nullptr);
    ASSERT_NE(orphan, nullptr);
    ASSERT_EQ(FindByHandle(orphan), nullptr);
    OrvoTest::PumpMessages();

    mainWindow = orphan;
    DestroyWindow(orphan);
    EXPECT_TRUE(OrvoTest::PumpMessages());
    UnregisterClassW(windowClass.lpszClassName, Module());
}

// A form that hands its controls a brush of its own.
class BrushForm : public Form {
  public:
    using Form::Form;
    HBRUSH OnControlColor(HDC) override { return brush; }
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
};

// A child that draws itself when its parent is asked to draw it.
class DrawProbe : public Child {
  public:
    explicit DrawProbe(GUIElement* owner) { parent = owner; }
    void Create() override { CreateStandardControl(L"Button", 0, WS_CHILD | BS_OWNERDRAW); }
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
        drawnState = item.itemState;
        return true;
    }
    UINT drawnState = 0xFFFF;
};

TEST_F(FrameworkTest, ParentMessagesReachTheirControls) {
    BrushForm form(Module());
    form.Create();
    TestEdit edit(&form);
    edit.Create();
    DrawProbe drawn(&form);
    drawn.Create();

    HDC dc = GetDC(edit.handle);
    LRESULT answer = SendMessageW(form.handle, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(edit.handle));
    ReleaseDC(edit.handle, dc);
    EXPECT_EQ(answer, reinterpret_cast<LRESULT>(form.brush));

    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(drawn.id);
    item.hwndItem = drawn.handle;
    item.itemState = ODS_SELECTED;
    LPARAM itemArg = reinterpret_cast<LPARAM>(&item);
    EXPECT_EQ(SendMessageW(form.handle, WM_DRAWITEM, drawn.id, itemArg), TRUE);
    EXPECT_EQ(drawn.drawnState, static_cast<UINT>(ODS_SELECTED));
    item.CtlType = ODT_STATIC; // only buttons are drawn by their element
    item.itemState = 0;
    SendMessageW(form.handle, WM_DRAWITEM, drawn.id, itemArg);
    EXPECT_EQ(drawn.drawnState, static_cast<UINT>(ODS_SELECTED));
}

} // namespace

std::string activations;
void NoteActivate(GUIElement* e) {
    activations += "+" + e->GetTextNarrow() + " ";
}
void NoteDeactivate(GUIElement* e) {
    activations += "-" + e->GetTextNarrow() + " ";
}

TEST_F(FrameworkTest, ActivationFollowsTheForegroundForm) {
    activations.clear();
    Form first(Module());
    first.SetText("A");
    first.onActivate = &NoteActivate;
    first.onDeactivate = &NoteDeactivate;
    first.Create();
    OrvoTest::PumpMessages();
    ASSERT_EQ(GetForegroundWindow(), first.handle);
    EXPECT_EQ(ActiveForm(), &first);
    {
        Form second(Module());
        second.SetText("B");
        second.onActivate = &NoteActivate;
        second.onDeactivate = &NoteDeactivate;
        second.Create();
        OrvoTest::PumpMessages();
        EXPECT_EQ(ActiveForm(), &second);
        EXPECT_NE(activations.find("-A +B"), std::string::npos) << activations;
    }
    // The destroyed form is forgotten; the first one may have been activated again.
    EXPECT_TRUE(ActiveForm() == nullptr || ActiveForm() == &first);
    SetForegroundWindow(first.handle);
    OrvoTest::PumpMessages();
    EXPECT_EQ(ActiveForm(), &first);
}
