// The name-entry form in real windows: typing, accepting, closing and the owner's state.
#include "ui/name_form.h"

#include "tests/ui/core_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace OrvoUtility;

namespace {

int destroyCount = 0;
void CountDestroy(GUIElement*) {
    ++destroyCount;
}

class NameFormTest : public OrvoTest::FrameworkTest {
  protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        playerName = "PREVIOUS";
        destroyCount = 0;
        owner = std::make_unique<Form>(Module());
        owner->text = L"owner";
        owner->Create();
    }
    void TearDown() override {
        owner.reset();
        FrameworkTest::TearDown();
    }

    // Opened as the main form does it: the opener takes onDestroy.
    std::unique_ptr<FormNamePlayer> Open() {
        auto form = std::make_unique<FormNamePlayer>(owner.get(), Module(), "Classifica");
        form->onDestroy = CountDestroy;
        return form;
    }
    // Characters as TranslateMessage hands them to the focused box.
    static LRESULT Type(const FormNamePlayer& form, const std::wstring& keys) {
        LRESULT last = 0;
        for (wchar_t key : keys) {
            last = SendMessageW(form.nameBox->handle, WM_CHAR, key, 0);
        }
        return last;
    }
    void ExpectOwnerFree() const {
        EXPECT_TRUE(IsWindowEnabled(owner->handle));
        EXPECT_EQ(owner->dialogForm, nullptr);
    }

    std::unique_ptr<Form> owner;
};

TEST_F(NameFormTest, OpensOverItsDisabledOwnerWithTheBoxFocused) {
    auto form = Open();
    form->SetPrompt("Inserisci il tuo nome:");

    ASSERT_TRUE(IsWindow(form->handle));
    EXPECT_FALSE(IsWindowEnabled(owner->handle));
    EXPECT_EQ(owner->dialogForm, form.get());
    EXPECT_EQ(form->GetTextNarrow(), "Classifica");
    EXPECT_EQ(form->promptLabel->GetTextNarrow(), "Inserisci il tuo nome:");

    // A tool window with only a close box, not resizable, not always on top.
    const LONG style = GetWindowLongW(form->handle, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(form->handle, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(exStyle & WS_EX_TOPMOST, 0);

    RECT outer = {};
    RECT client = {};
    GetWindowRect(form->handle, &outer);
    GetClientRect(form->handle, &client);
    EXPECT_EQ(outer.right - outer.left, 250);
    EXPECT_EQ(outer.bottom - outer.top, 150);
    const int cw = client.right;
    OrvoTest::ExpectPlaced(*form->promptLabel, 5, 5, cw - 10, 25);
    OrvoTest::ExpectPlaced(*form->nameBox, 5, 35, cw / 2 - 10, 25);
    OrvoTest::ExpectPlaced(*form->okButton, cw / 2 + 5, 35, 80, 25);
    EXPECT_EQ(form->okButton->GetTextNarrow(), "OK");

    EXPECT_EQ(GetFocus(), form->nameBox->handle);
    EXPECT_EQ(SendMessageW(form->nameBox->handle, EM_GETLIMITTEXT, 0, 0), 10);
}

TEST_F(NameFormTest, EnterTakesTheTypedNameAndCloses) {
    struct Case {
        std::wstring typed;
        std::string taken;
    };
    const Case cases[] = {
        {L"mario", "MARIO"},
        {L"abcdefghijk", "ABCDEFGHIJ"}, // the 11th character is refused
        {L"   ", "   "},                // blanks are a name, kept as typed
        {L"\u0142x", "AX"},             // U+0141 after the capital: its low 8 bits stay
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "typed \"" << std::string(c.typed.begin(), c.typed.end()) << "\"");
        destroyCount = 0;
        auto form = Open();
        Type(*form, c.typed);
        EXPECT_EQ(form->nameBox->GetTextNarrow(), c.taken);

        EXPECT_NE(Type(*form, L"\r"), 0) << "Enter reached the box";
        EXPECT_FALSE(IsWindow(form->handle));
        EXPECT_FALSE(form->created);
        EXPECT_EQ(playerName, c.taken);
        ExpectOwnerFree();
        form.reset();
        EXPECT_EQ(destroyCount, 1);
    }
}

TEST_F(NameFormTest, AnEmptyNameKeepsTheFormOpen) {
    auto form = Open();
    Type(*form, L"\r");
    SendMessageW(form->okButton->handle, BM_CLICK, 0, 0);
    OrvoTest::PumpMessages();

    EXPECT_TRUE(IsWindow(form->handle));
    EXPECT_FALSE(IsWindowEnabled(owner->handle));
    EXPECT_EQ(playerName, "PREVIOUS");
    EXPECT_EQ(destroyCount, 0);

    // "OK" takes the name as Enter does.
    Type(*form, L"x");
    SendMessageW(form->okButton->handle, BM_CLICK, 0, 0);
    OrvoTest::PumpMessages();
    EXPECT_FALSE(IsWindow(form->handle));
    EXPECT_EQ(playerName, "X");
    ExpectOwnerFree();
}

TEST_F(NameFormTest, TheCloseBoxLeavesTheNameAndRunsOnDestroyOnce) {
    auto form = Open();
    Type(*form, L"luigi");
    SendMessageW(form->handle, WM_CLOSE, 0, 0);

    EXPECT_FALSE(IsWindow(form->handle));
    EXPECT_EQ(playerName, "PREVIOUS");
    ExpectOwnerFree();
    EXPECT_EQ(destroyCount, 1);
    form.reset();
    EXPECT_EQ(destroyCount, 1);
}

} // namespace
