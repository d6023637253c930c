// Menus built on a real form, fonts, and the question box answered by a timer.
#include "tests/ui/core_fixture.h"

#include "ui/ask.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/menu.h"

#include <string>

using namespace OrvoUtility;
using OrvoTest::FrameworkTest;

namespace {

TEST_F(FrameworkTest, MenuStateSetBeforeCreateShowsOnTheBar) {
    Form form(Module());
    form.Create();
    MenuBar bar(&form);
    Menu file(&bar, "&File");
    SubMenu ticked(&file, "&Abilita Joystick");
    ticked.SetCheckable(true);
    ticked.SetChecked(true);
    SubMenu greyed(&file, "&Vite infinite");
    greyed.SetEnabled(false);
    SubMenu both(&file, "&Entrambi");
    both.SetCheckable(true);
    both.SetChecked(true);
    both.SetEnabled(false);
    bar.Create();

    EXPECT_EQ(GetMenu(form.handle), bar.menuHandle);
    EXPECT_EQ(GetMenuItemCount(bar.menuHandle), 1);
    EXPECT_EQ(GetMenuItemCount(file.menuHandle), 3);
    EXPECT_EQ(GetMenuState(file.menuHandle, ticked.id, MF_BYCOMMAND),
              static_cast<UINT>(MF_CHECKED));
    EXPECT_TRUE(ticked.IsChecked());
    EXPECT_TRUE(GetMenuState(file.menuHandle, greyed.id, MF_BYCOMMAND) & MF_GRAYED);
    // Checked but greyed is not exactly "checked".
    EXPECT_FALSE(both.IsChecked());

    greyed.SetEnabled(true);
    EXPECT_EQ(GetMenuState(file.menuHandle, greyed.id, MF_BYCOMMAND),
              static_cast<UINT>(MF_ENABLED));
    ticked.SetChecked(false);
    EXPECT_FALSE(ticked.IsChecked());
    EXPECT_EQ(FindSubMenuById(greyed.id), &greyed);
    EXPECT_EQ(FindSubMenuById(form.id), nullptr);
}

TEST_F(FrameworkTest, MenusAddedToALiveBarAreCreatedAtOnce) {
    Form form(Module());
    form.Create();
    MenuBar bar(&form);
    bar.Create();
    Menu help(&bar, "&?");
    SubMenu home(&help, "&Home");
    EXPECT_TRUE(help.created);
    EXPECT_TRUE(home.created);
    EXPECT_EQ(GetMenuItemCount(bar.menuHandle), 1);
    EXPECT_EQ(GetMenuItemID(help.menuHandle, 0), static_cast<UINT>(home.id));
}

TEST_F(FrameworkTest, BarWithoutAWindowCreatesNothing) {
    Form form(Module()); // never created
    MenuBar bar(&form);
    Menu file(&bar, "&File");
    bar.Create();
    EXPECT_FALSE(bar.created);
    EXPECT_FALSE(file.created);
    EXPECT_EQ(bar.menuHandle, nullptr);
}

TEST(FontTest, HandleIsMadeOnceAndReleasedWithTheFont) {
    HFONT made = nullptr;
    {
        Font font;
        made = font.GetHandle();
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(font.GetHandle(), made);
        LOGFONTW described = {};
        ASSERT_GT(GetObjectW(made, sizeof(described), &described), 0);
        EXPECT_STREQ(described.lfFaceName, L"System");
        EXPECT_EQ(described.lfHeight, 0);
        EXPECT_EQ(described.lfWeight, FW_NORMAL);
    }
    EXPECT_EQ(GetObjectType(made), 0u); // deleted
}

TEST(FontTest, FieldsReachTheGdiFont) {
    Font font("Tahoma", -14);
    font.bold = true;
    font.italic = true;
    font.underline = true;
    font.fixedPitch = true;
    LOGFONTW described = {};
    ASSERT_GT(GetObjectW(font.GetHandle(), sizeof(described), &described), 0);
    EXPECT_STREQ(described.lfFaceName, L"Tahoma");
    EXPECT_EQ(described.lfHeight, -14);
    EXPECT_EQ(described.lfWeight, FW_BOLD);
    EXPECT_TRUE(described.lfItalic);
    EXPECT_TRUE(described.lfUnderline);
    EXPECT_EQ(described.lfPitchAndFamily & 3, FIXED_PITCH);
}

// The button the timer presses in the question box, and whether it found the box.
int answerButton = IDNO;
bool boxFound = false;

BOOL CALLBACK PressInBox(HWND window, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) {
        return TRUE;
    }
    boxFound = true;
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(answerButton, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK AnswerTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &PressInBox, 0);
    if (boxFound) {
        KillTimer(nullptr, timer);
    }
}

TEST(AskTest, AnswerIsTrueOnlyForYes) {
    const struct {
        int button;
        bool expected;
    } cases[] = {{IDNO, false}, {IDYES, true}};
    for (const auto& c : cases) {
        answerButton = c.button;
        boxFound = false;
        UINT_PTR timer = SetTimer(nullptr, 0, 20, &AnswerTheBox);
        bool answer = Ask("Vuoi realmente uscire?", "Uscita");
        KillTimer(nullptr, timer);
        EXPECT_TRUE(boxFound);
        EXPECT_EQ(answer, c.expected) << c.button;
    }
}

} // namespace
