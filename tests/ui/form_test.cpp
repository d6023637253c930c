// Forms over real windows: styles, sizing, closing, destruction and the message loop.
#include "tests/ui/core_fixture.h"

#include "res/resource_ids.h"
#include "ui/form.h"

#include <string>

using namespace OrvoUtility;
using OrvoTest::FrameworkTest;

namespace {

TEST_F(FrameworkTest, MainAndDialogFormsGetTheirStyles) {
    struct Case {
        FormKind kind;
        bool maximizeBox;
        bool minimizeBox;
        bool modalFrame;
        DWORD styleOn, styleOff, exOn, exOff;
    };
    const Case cases[] = {
        {FormKind::Main, false, true, false, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
         WS_MAXIMIZEBOX | WS_THICKFRAME | WS_DISABLED, 0, WS_EX_TOOLWINDOW | WS_EX_TOPMOST},
        {FormKind::Dialog, false, false, true, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
         WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME,
         WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, 0},
        {FormKind::Dialog, false, false, false, WS_CAPTION | WS_SYSMENU,
         WS_MINIMIZEBOX | DS_MODALFRAME | WS_THICKFRAME, WS_EX_TOOLWINDOW, 0},
    };
    for (const Case& c : cases) {
        Form form(Module(), c.kind);
        form.maximizeBox = c.maximizeBox;
        form.minimizeBox = c.minimizeBox;
        form.modalFrame = c.modalFrame;
        form.Create();
        ASSERT_NE(form.handle, nullptr);
        DWORD style = static_cast<DWORD>(GetWindowLongW(form.handle, GWL_STYLE));
        DWORD exStyle = static_cast<DWORD>(GetWindowLongW(form.handle, GWL_EXSTYLE));
        EXPECT_EQ(style & c.styleOn, c.styleOn) << std::hex << style;
        EXPECT_EQ(style & c.styleOff, 0u) << std::hex << style;
        EXPECT_EQ(exStyle & c.exOn, c.exOn) << std::hex << exStyle;
        EXPECT_EQ(exStyle & c.exOff, 0u) << std::hex << exStyle;
        EXPECT_TRUE(IsWindowVisible(form.handle));
    }
}

TEST_F(FrameworkTest, SetClientSizeGivesExactlyThatClientArea) {
    Form form(Module());
    form.maximizeBox = false;
    form.Create();
    form.SetClientSize(640, 480);
    RECT client = {};
    GetClientRect(form.handle, &client);
    EXPECT_EQ(client.right - client.left, 640);
    EXPECT_EQ(client.bottom - client.top, 480);
}

TEST_F(FrameworkTest, CenterOnScreenBeforeCreateOpensTheWindowThere) {
    Form form(Module());
    form.SetSize(201, 101);
    form.CenterOnScreen();
    const int expectedLeft = (GetSystemMetrics(SM_CXSCREEN) - 201) / 2;
    const int expectedTop = (GetSystemMetrics(SM_CYSCREEN) - 101) / 2;
    EXPECT_EQ(form.left, expectedLeft);
    EXPECT_EQ(form.top, expectedTop);
    form.Create();
    RECT bounds = {};
    GetWindowRect(form.handle, &bounds);
    EXPECT_EQ(bounds.left, expectedLeft);
    EXPECT_EQ(bounds.top, expectedTop);
}

TEST_F(FrameworkTest, ClassBackgroundFollowsTheBackColor) {
    Form plain(Module());
    Form coloured(Module());
    coloured.backColor = RGB(10, 20, 30);
    plain.Create();
    coloured.Create();
    HBRUSH plainBrush =
        reinterpret_cast<HBRUSH>(GetClassLongPtrW(plain.handle, GCLP_HBRBACKGROUND));
    EXPECT_EQ(plainBrush, GetSysColorBrush(COLOR_BTNFACE));
    HBRUSH brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(coloured.handle, GCLP_HBRBACKGROUND));
    LOGBRUSH described = {};
    ASSERT_EQ(GetObjectW(brush, sizeof(described), &described),
              static_cast<int>(sizeof(described)));
    EXPECT_EQ(described.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(described.lbColor, RGB(10, 20, 30));
}

TEST_F(FrameworkTest, IconTakenFromTheStoredIdentifier) {
    HICON programIcon = LoadIconW(Module(), MAKEINTRESOURCEW(kIconMain));
    ASSERT_NE(programIcon, nullptr);
    struct Case {
        unsigned short resourceId;
        HICON classIcon;
    };
    // A missing resource gives no class icon rather than the system's application icon.
    const Case cases[] = {{0, LoadIconW(nullptr, IDI_APPLICATION)},
                          {static_cast<unsigned short>(kIconMain), programIcon},
                          {4321, nullptr}};
    for (const Case& c : cases) {
        Form form(Module());
        form.SetIcon(c.resourceId); // before Create: only stored
        EXPECT_EQ(form.iconHandle, nullptr);
        form.Create();
        EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(form.handle, GCLP_HICON)), c.classIcon)
            << c.resourceId;
    }

    // On a live window the icon becomes the small window icon; a failed load changes nothing.
    Form form(Module());
    form.Create();
    form.SetIcon(4321);
    EXPECT_EQ(form.iconHandle, nullptr);
    EXPECT_EQ(SendMessageW(form.handle, WM_GETICON, ICON_SMALL, 0), 0);
    form.SetIcon(static_cast<unsigned short>(kIconMain));
    EXPECT_EQ(form.iconHandle, programIcon);
    EXPECT_EQ(form.iconResourceId, kIconMain);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.handle, WM_GETICON, ICON_SMALL, 0)),
              programIcon);
}

COLORREF PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

TEST_F(FrameworkTest, BackColorSetOnALiveWindowSurvivesLaterPaints) {
    Form form(Module());
    form.SetSize(200, 150);
    form.Create();
    OrvoTest::PumpMessages();
    EXPECT_EQ(PixelOf(form.handle, 5, 5), GetSysColor(COLOR_BTNFACE));

    form.SetBackColor(RGB(200, 0, 0));
    EXPECT_TRUE(form.backColorPainted);
    EXPECT_EQ(PixelOf(form.handle, 5, 5), RGB(200, 0, 0));
    // A full repaint erases with the class brush; the paint handler puts the colour back.
    RedrawWindow(form.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(PixelOf(form.handle, 5, 5), RGB(200, 0, 0));
}

bool allowClose = false;
int closeRequests = 0;
int destroyCalls = 0;
bool AnswerClose(GUIElement*) {
    ++closeRequests;
    return allowClose;
}
void CountDestroy(GUIElement*) {
    ++destroyCalls;
}

TEST_F(FrameworkTest, RefusedCloseKeepsTheWindowAndAnswersOne) {
    allowClose = false;
    closeRequests = destroyCalls = 0;
    Form form(Module());
    form.onClose = &AnswerClose;
    form.onDestroy = &CountDestroy;
    form.Create();

    EXPECT_EQ(SendMessageW(form.handle, WM_CLOSE, 0, 0), 1);
    SendMessageW(form.handle, WM_SYSCOMMAND, SC_CLOSE, 0); // the system menu's Close
    EXPECT_EQ(closeRequests, 2);
    EXPECT_TRUE(IsWindow(form.handle));
    EXPECT_EQ(destroyCalls, 0);

    allowClose = true;
    EXPECT_EQ(SendMessageW(form.handle, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(form.handle));
    EXPECT_EQ(destroyCalls, 1);
}

TEST_F(FrameworkTest, DeletingAFormClosesItsWindowAndRemovesItsClass) {
    allowClose = false; // the destructor destroys the window whatever onClose answers
    closeRequests = destroyCalls = 0;
    auto form = std::make_unique<Form>(Module());
    form->onClose = &AnswerClose;
    form->onDestroy = &CountDestroy;
    form->backColor = RGB(1, 2, 3);
    form->Create();
    HWND window = form->handle;
    std::wstring className = L"Window" + std::to_wstring(form->id - 1);
    WNDCLASSW found = {};
    ASSERT_TRUE(GetClassInfoW(Module(), className.c_str(), &found));
    HBRUSH classBrush = found.hbrBackground;
    ASSERT_NE(GetObjectType(classBrush), 0u);

    form.reset();
    EXPECT_EQ(closeRequests, 1);
    EXPECT_EQ(destroyCalls, 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(GetClassInfoW(Module(), className.c_str(), &found));
    EXPECT_EQ(GetObjectType(classBrush), 0u); // the class took its brush with it
}

int releasedForms = 0;
class CountedForm : public Form {
  public:
    using Form::Form;
    ~CountedForm() override { ++releasedForms; }
};

bool safetyQuitFired = false;
void CALLBACK SafetyQuit(HWND, UINT, UINT_PTR, DWORD) {
    safetyQuitFired = true;
    PostQuitMessage(0);
}

TEST_F(FrameworkTest, MainWindowDestructionEndsTheLoopAndFreesTheReleaseList) {
    releasedForms = 0;
    safetyQuitFired = false;
    Form mainForm(Module());
    mainForm.Create();
    ASSERT_EQ(mainWindow, mainForm.handle);

    // A dialog still open when the main window goes, already replaced by a later one.
    auto* dialog = new CountedForm(Module(), FormKind::Dialog);
    dialog->Create();
    HWND dialogWindow = dialog->handle;
    ReleaseLater(dialog);

    PostMessageW(mainForm.handle, WM_CLOSE, 0, 0);
    UINT_PTR safety = SetTimer(nullptr, 0, 5000, &SafetyQuit); // never hang the test run
    RunMessageLoop(&mainForm);
    KillTimer(nullptr, safety);

    EXPECT_FALSE(safetyQuitFired);
    EXPECT_FALSE(IsWindow(mainForm.handle));
    EXPECT_EQ(releasedForms, 1);
    EXPECT_FALSE(IsWindow(dialogWindow));
    FreeReleaseList(); // nothing left: no second deletion
    EXPECT_EQ(releasedForms, 1);
}

} // namespace
