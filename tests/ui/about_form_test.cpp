// The About form in real windows: layout, texts, closing keys, links and the owner's state.
#include "ui/about_form.h"
#include "ui/name_form.h"

#include "tests/ui/core_fixture.h"
#include "util/files.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace OrvoUtility;

namespace {

std::vector<std::string> openedLinks;
bool RecordLink(const std::string& target) {
    openedLinks.push_back(target);
    return false; // as when no browser or mail program is there
}

class AboutFormTest : public OrvoTest::FrameworkTest {
  protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        openedLinks.clear();
        owner = std::make_unique<Form>(Module());
        owner->text = L"owner";
        owner->Create();
    }
    void TearDown() override {
        owner.reset();
        FrameworkTest::TearDown();
    }

    // Filled and shown as the main form does it.
    std::unique_ptr<FormAbout> Open(const std::string& site = "http://www.example.org") {
        auto form = std::make_unique<FormAbout>(owner.get());
        form->openLink = RecordLink;
        form->imageId = 0; // no picture in the test program
        form->imageWidth = 164;
        form->imageHeight = 50;
        form->titleText = "Vorbin 1.1.0.0";
        form->creditsText = "credits line";
        form->noticeText = "one\r\ntwo\r\nthree";
        form->siteAddress = site;
        form->Create();
        ShowWindow(form->handle, SW_SHOWNA);
        form->visible = true;
        OrvoTest::PumpMessages();
        return form;
    }
    void ExpectOwnerFree() const {
        EXPECT_TRUE(IsWindowEnabled(owner->handle));
        EXPECT_EQ(owner->dialogForm, nullptr);
    }

    std::unique_ptr<Form> owner;
};

SIZE ClientSize(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

TEST_F(AboutFormTest, LaysOutItsChildrenInTheClientAreaItWasCreatedWith) {
    auto form = Open();
    EXPECT_FALSE(IsWindowEnabled(owner->handle));
    EXPECT_EQ(owner->dialogForm, form.get());
    EXPECT_EQ(form->GetTextNarrow(), "Info...");

    // Showing made the client area 600 x 300; the children were placed before, in the client
    // area of a 600 x 300 window.
    SIZE client = ClientSize(form->handle);
    EXPECT_EQ(client.cx, 600);
    EXPECT_EQ(client.cy, 300);
    SIZE outer = form->GetSize();
    const int w = 600 - (outer.cx - client.cx);
    const int h = 300 - (outer.cy - client.cy);
    const int tw = w - 209 - 10;

    SCOPED_TRACE("positions");
    OrvoTest::ExpectPlaced(*form->imagePanel, 10, 10, 184, h - 20);
    OrvoTest::ExpectPlaced(*form->logoView, 5, 5, 164, 50);
    OrvoTest::ExpectPlaced(*form->titleLabel, 209, 10, tw, 25);
    OrvoTest::ExpectPlaced(*form->creditsLabel, 209, 35, tw, 25);
    OrvoTest::ExpectPlaced(*form->siteLink, 209, 55, 150, 22);
    OrvoTest::ExpectPlaced(*form->mailLink, 369, 55, 150, 22);
    OrvoTest::ExpectPlaced(*form->noticeBox, 209, 85, tw, h - 145);
    OrvoTest::ExpectPlaced(*form->okButton, 209 + tw / 2 - 40, h - 50, 80, 25);
    EXPECT_EQ(form->logoView->parent, form->imagePanel.get());
}

TEST_F(AboutFormTest, ShowsItsTextsInTheirFonts) {
    auto form = Open();
    EXPECT_EQ(form->titleLabel->GetTextNarrow(), "Vorbin 1.1.0.0");
    EXPECT_EQ(form->creditsLabel->GetTextNarrow(), "credits line");
    EXPECT_EQ(form->noticeBox->GetTextNarrow(), "one\r\ntwo\r\nthree");
    EXPECT_EQ(form->siteLink->GetTextNarrow(), "http://www.example.org");
    EXPECT_EQ(form->mailLink->GetTextNarrow(), "info@example.org");
    EXPECT_EQ(form->okButton->GetTextNarrow(), "OK");

    auto fontOf = [](GUIElement& e) {
        return reinterpret_cast<HFONT>(SendMessageW(e.handle, WM_GETFONT, 0, 0));
    };
    EXPECT_EQ(fontOf(*form->titleLabel), form->titleFont->GetHandle());
    EXPECT_EQ(fontOf(*form->creditsLabel), form->formFont->GetHandle());
    EXPECT_EQ(form->font, form->formFont.get());
    EXPECT_EQ(form->formFont->face, L"Arial");
    EXPECT_EQ(form->formFont->height, 14);
    EXPECT_TRUE(form->titleFont->bold && !form->titleFont->underline);
    EXPECT_EQ(form->titleFont->height, 16);
    EXPECT_TRUE(form->linkFont->underline && !form->linkFont->bold);
    for (CellControl* link : {form->siteLink.get(), form->mailLink.get()}) {
        EXPECT_EQ(link->font, form->linkFont.get());
        EXPECT_EQ(link->foreColor, RGB(0, 0, 255));
        EXPECT_EQ(link->alignment, 0);
    }

    const LONG notice = GetWindowLongW(form->noticeBox->handle, GWL_STYLE);
    EXPECT_EQ(notice & (ES_MULTILINE | ES_READONLY | WS_VSCROLL),
              ES_MULTILINE | ES_READONLY | WS_VSCROLL);
    EXPECT_NE(GetWindowLongW(form->imagePanel->handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(GetFocus(), form->okButton->handle);
}

TEST_F(AboutFormTest, ShowingAgainRestoresTheClientArea) {
    auto form = Open();
    ShowWindow(form->handle, SW_HIDE);
    form->SetSize(300, 200);
    ShowWindow(form->handle, SW_SHOWNA);
    SIZE client = ClientSize(form->handle);
    EXPECT_EQ(client.cx, 600);
    EXPECT_EQ(client.cy, 300);
}

TEST_F(AboutFormTest, EnterAndEscapeClose) {
    struct Case {
        const char* where;
        HWND (*window)(const FormAbout&);
        wchar_t key;
    };
    const Case cases[] = {
        {"Esc in the notice", [](const FormAbout& f) { return f.noticeBox->handle; }, 27},
        {"Enter in the notice", [](const FormAbout& f) { return f.noticeBox->handle; }, 13},
        {"Enter on OK", [](const FormAbout& f) { return f.okButton->handle; }, 13},
        {"Esc on the form", [](const FormAbout& f) { return f.handle; }, 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        auto form = Open();
        // Other characters go on to the control and leave the form open.
        SendMessageW(c.window(*form), WM_CHAR, 'a', 0);
        EXPECT_TRUE(IsWindow(form->handle));
        EXPECT_EQ(form->noticeBox->GetTextNarrow(), "one\r\ntwo\r\nthree");

        EXPECT_EQ(SendMessageW(c.window(*form), WM_CHAR, c.key, 0), 1) << "not swallowed";
        EXPECT_FALSE(IsWindow(form->handle));
        ExpectOwnerFree();
    }
}

TEST_F(AboutFormTest, OkAndTheCloseBoxClose) {
    auto viaOk = Open();
    SendMessageW(viaOk->okButton->handle, BM_CLICK, 0, 0);
    OrvoTest::PumpMessages();
    EXPECT_FALSE(IsWindow(viaOk->handle));
    ExpectOwnerFree();

    auto viaCloseBox = Open();
    SendMessageW(viaCloseBox->handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(viaCloseBox->handle));
    ExpectOwnerFree();
}

TEST_F(AboutFormTest, LinksOpenWhenTheButtonGoesDown) {
    struct Case {
        std::string site;
        std::string mail;
    };
    const Case cases[] = {
        {"http://www.example.org", "info@example.org"},
        {"https://example.org/x", "https://example.org/x"}, // nothing to replace
    };
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.site);
        openedLinks.clear();
        auto form = Open(c.site);
        EXPECT_EQ(MailAddressFor(c.site), c.mail);
        EXPECT_EQ(form->mailLink->GetTextNarrow(), c.mail);

        for (CellControl* link : {form->siteLink.get(), form->mailLink.get()}) {
            EXPECT_EQ(SendMessageW(link->handle, WM_SETCURSOR,
                                   reinterpret_cast<WPARAM>(link->handle),
                                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                      TRUE);
            EXPECT_EQ(GetCursor(), hand);
            SendMessageW(link->handle, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        }
        EXPECT_TRUE(openedLinks.empty()) << "a release alone opened a link";

        SendMessageW(form->siteLink->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(form->mailLink->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        const std::vector<std::string> expected = {c.site, "mailto:" + c.mail};
        EXPECT_EQ(openedLinks, expected);
        EXPECT_TRUE(IsWindow(form->handle));
    }
}

// With the system's opener and no browser (winebrowser disabled) opening fails quietly.
TEST_F(AboutFormTest, LinksThatCannotBeOpenedDoNothing) {
    char overrides[512] = {};
    GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof(overrides));
    if (std::string(overrides).find("winebrowser.exe=d") == std::string::npos) {
        GTEST_SKIP() << "would start a real browser: winebrowser.exe is not disabled";
    }
    auto form = Open();
    form->openLink = &OpenLink;
    SendMessageW(form->siteLink->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(form->mailLink->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    OrvoTest::PumpMessages();
    EXPECT_TRUE(IsWindow(form->handle));
    EXPECT_FALSE(IsWindowEnabled(owner->handle));
}

// A name form opened while the About form is still open (a game ending behind it) keeps
// the owner disabled until the name form itself closes.
TEST_F(AboutFormTest, TheOwnerStaysDisabledUntilTheLastDialogCloses) {
    auto about = Open();
    FormNamePlayer name(owner.get(), Module(), "Classifica");
    SendMessageW(about->handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(owner->handle));
    EXPECT_EQ(owner->dialogForm, &name);

    SendMessageW(name.handle, WM_CLOSE, 0, 0);
    ExpectOwnerFree();
}

TEST_F(AboutFormTest, AFormDeletedBeforeShowingGivesTheOwnerBack) {
    auto form = std::make_unique<FormAbout>(owner.get());
    EXPECT_FALSE(IsWindowEnabled(owner->handle));
    form.reset();
    ExpectOwnerFree();
}

} // namespace
