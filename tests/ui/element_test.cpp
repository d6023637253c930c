// Element model over real windows: identifiers, registry lookups, stored and live setters.
#include "tests/ui/core_fixture.h"

#include "ui/element.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/window_proc.h"

#include <memory>
#include <string>

using namespace OrvoUtility;
using OrvoTest::FrameworkTest;
using OrvoTest::TestEdit;

namespace {

std::wstring ClassNameOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

TEST_F(FrameworkTest, IdentifiersFollowCreationOrderAcrossKinds) {
    const int base = IdCounterValue();
    Form form(Module());
    MenuBar bar(&form);
    Menu menu(&bar, "&File");
    SubMenu first(&menu, "&Uno"); // takes its identifier when constructed
    form.Create();
    TestEdit edit(&form);
    edit.Create();
    SubMenu second(&menu, "&Due");

    EXPECT_EQ(first.id, base + 1);
    EXPECT_EQ(form.id, base + 2);
    EXPECT_EQ(ClassNameOf(form.handle), L"Window" + std::to_wstring(base + 1));
    EXPECT_EQ(edit.id, base + 3);
    EXPECT_EQ(GetDlgCtrlID(edit.handle), base + 3);
    EXPECT_EQ(second.id, base + 4);
    EXPECT_EQ(bar.id, 0);
    EXPECT_EQ(menu.id, 0);
    EXPECT_EQ(IdCounterValue(), base + 4);
}

// What the registry answered for the form's window while CreateWindowExW was running.
GUIElement* foundWhileCreating = nullptr;
GUIElement* foundExactWhileCreating = nullptr;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    // Only the form's own window (the system may create helper windows of its own).
    if (code == HCBT_CREATEWND && ClassNameOf(window).rfind(L"Window", 0) == 0) {
        foundWhileCreating = FindByHandle(window);
        foundExactWhileCreating = FindExactHandle(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int createCalls = 0;
HWND createWindowArg = nullptr;
void CountCreate(GUIElement*, HWND window) {
    ++createCalls;
    createWindowArg = window;
}

TEST_F(FrameworkTest, FormIsFoundWhileItsWindowIsBeingCreated) {
    createCalls = 0;
    Form form(Module());
    form.onCreate = &CountCreate;
    HHOOK hook = SetWindowsHookExW(WH_CBT, &RecordCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    form.Create();
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(foundWhileCreating, &form);
    EXPECT_EQ(foundExactWhileCreating, nullptr);
    // WM_CREATE stored the handle and ran onCreate; Create's own OnCreated did not repeat it.
    ASSERT_NE(form.handle, nullptr);
    EXPECT_EQ(createCalls, 1);
    EXPECT_EQ(createWindowArg, form.handle);

    // A second notification with another window neither replaces the handle nor repeats.
    HWND original = form.handle;
    form.OnCreated(GetDesktopWindow());
    EXPECT_EQ(form.handle, original);
    EXPECT_EQ(createCalls, 1);
}

TEST_F(FrameworkTest, FallbackOnlyAppliesToTheLastElementWithoutWindow) {
    Form form(Module());
    form.Create();
    HWND unknown = GetDesktopWindow();
    EXPECT_EQ(FindByHandle(unknown), nullptr); // the last element has a window
    {
        TestEdit pending(&form); // constructed, not created
        EXPECT_EQ(FindByHandle(unknown), &pending);
        EXPECT_EQ(FindExactHandle(unknown), nullptr);
    }
    EXPECT_EQ(FindByHandle(unknown), nullptr);
    EXPECT_EQ(FindByHandle(form.handle), &form);
}

TEST_F(FrameworkTest, SettersStoreBeforeCreateAndApplyToTheLiveWindow) {
    Form form(Module());
    form.SetSize(400, 300);
    form.Create();
    TestEdit edit(&form);
    edit.SetSize(120, 24);
    edit.SetLocation(10, 20);
    edit.SetText("abc");
    edit.SetEnabled(false);
    EXPECT_EQ(edit.handle, nullptr);
    EXPECT_EQ(edit.GetText(), L"abc");
    EXPECT_EQ(edit.GetLocation().x, 10);

    edit.Create();
    ASSERT_NE(edit.handle, nullptr);
    wchar_t shown[16] = {};
    GetWindowTextW(edit.handle, shown, 16);
    EXPECT_STREQ(shown, L"abc");
    EXPECT_FALSE(IsWindowEnabled(edit.handle));
    edit.left = edit.top = -1; // forces GetLocation to read the window back
    POINT at = edit.GetLocation();
    EXPECT_EQ(at.x, 10);
    EXPECT_EQ(at.y, 20);
    SIZE size = edit.GetSize();
    EXPECT_EQ(size.cx, 120);
    EXPECT_EQ(size.cy, 24);

    edit.SetText(L"xyz");
    edit.SetLocation(30, 40);
    edit.SetSize(90, 22);
    edit.SetEnabled(true);
    GetWindowTextW(edit.handle, shown, 16);
    EXPECT_STREQ(shown, L"xyz");
    EXPECT_TRUE(IsWindowEnabled(edit.handle));
    RECT bounds = {};
    GetWindowRect(edit.handle, &bounds);
    MapWindowPoints(nullptr, form.handle, reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, 30);
    EXPECT_EQ(bounds.top, 40);
    EXPECT_EQ(bounds.right - bounds.left, 90);
    EXPECT_EQ(bounds.bottom - bounds.top, 22);
    // Text typed into the control is what GetText reports, also in 8-bit form.
    SetWindowTextW(edit.handle, L"\u00e8 ok");
    EXPECT_EQ(edit.GetText(), L"\u00e8 ok");
    EXPECT_EQ(edit.GetTextNarrow(), "\xe8 ok");
}

std::string focusEvents;
void NoteFocus(GUIElement*) {
    focusEvents += "focus ";
}
void NoteBlur(GUIElement*) {
    focusEvents += "blur ";
}
void NoteChanged(GUIElement*) {
    focusEvents += "changed ";
}

TEST_F(FrameworkTest, LeavingAControlReportsAChangedTextAfterTheBlur) {
    Form form(Module());
    form.SetSize(300, 200);
    form.Create();
    TestEdit edit(&form);
    TestEdit other(&form);
    other.SetLocation(10, 60);
    edit.onFocus = &NoteFocus;
    edit.onBlur = &NoteBlur;
    edit.onTextChanged = &NoteChanged;
    edit.Create();
    other.Create();

    focusEvents.clear();
    edit.Focus();
    other.Focus();
    EXPECT_EQ(focusEvents, "focus blur ");

    focusEvents.clear();
    edit.Focus();
    SetWindowTextW(edit.handle, L"nuovo");
    other.Focus();
    EXPECT_EQ(focusEvents, "focus blur changed ");
}

TEST_F(FrameworkTest, DeletedControlLeavesTheRegistryAndGetsItsOwnProcedureBack) {
    Form form(Module());
    form.Create();
    auto edit = std::make_unique<TestEdit>(&form);
    edit->Create();
    HWND window = edit->handle;
    const int id = edit->id;
    ASSERT_EQ(FindById(id), edit.get());
    ASSERT_EQ(FindExactHandle(window), edit.get());

    edit.reset();
    EXPECT_EQ(FindById(id), nullptr);
    EXPECT_EQ(FindExactHandle(window), nullptr);
    EXPECT_TRUE(ChildrenOf(form.handle).empty());
    // The window lives on with the form and answers as an edit control again.
    ASSERT_TRUE(IsWindow(window));
    EXPECT_NE(GetWindowLongPtrW(window, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&FrameworkWindowProc));
    EXPECT_GT(SendMessageW(window, EM_GETLIMITTEXT, 0, 0), 0);
}

TEST_F(FrameworkTest, ChildrenOfListsTheChildElementsOfOneWindow) {
    Form first(Module());
    Form second(Module());
    first.Create();
    second.Create();
    TestEdit a(&first);
    TestEdit b(&second);
    TestEdit c(&first);
    MenuBar bar(&first);
    a.Create();
    b.Create();
    c.Create();

    std::vector<GUIElement*> expected = {&a, &c, &bar};
    EXPECT_EQ(ChildrenOf(first.handle), expected);
    EXPECT_EQ(ChildrenOf(second.handle), std::vector<GUIElement*>{&b});
}

} // namespace
