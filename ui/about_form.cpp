// FormAbout: construction, layout of the children, closing keys and the two links.
#include "ui/about_form.h"

#include "ui/dialog_owner.h"
#include "util/files.h"
#include "util/text.h"

namespace OrvoUtility {

namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;
// The window starts at this outer size and gets this client size each time it is shown.
constexpr int kFormWidth = 600;
constexpr int kFormHeight = 300;
constexpr COLORREF kLinkColor = RGB(0, 0, 255);

using Forward = DialogForwarders<FormAbout>;

void ForwardLinkPress(GUIElement* element, HWND, int x, int y) {
    if (FormAbout* form = EnclosingForm<FormAbout>(element)) {
        form->HandleLinkPress(element, x, y);
    }
}

std::unique_ptr<Font> MakeFont(int height, bool bold, bool underline) {
    auto made = std::make_unique<Font>("Arial", height);
    made->bold = bold;
    made->underline = underline;
    return made;
}

// A link: blue text on the left, hand cursor, opened on the mouse button going down.
std::unique_ptr<CellControl> MakeLink(FormAbout* form, const std::string& shown, Font* linkFont,
                                      int x, int y) {
    auto link = std::make_unique<CellControl>(form);
    link->SetText(shown);
    link->SetSize(150, 22);
    link->SetLocation(x, y);
    link->foreColor = kLinkColor;
    link->alignment = 0;
    link->SetHandCursor(true);
    link->font = linkFont;
    link->onKeyPress = Forward::KeyPress;
    link->onMouseDown = ForwardLinkPress;
    link->Create();
    return link;
}

} // namespace

std::string MailAddressFor(const std::string& siteAddress) {
    return ReplaceAll(siteAddress, "http://www.", "info@");
}

FormAbout::FormAbout(Form* owner)
    : Form(owner != nullptr ? owner->instance : GetModuleHandleW(nullptr), FormKind::Dialog),
      openLink(&OpenLink), ownerForm(owner) {
    formFont = MakeFont(14, false, false);
    font = formFont.get();
    titleFont = MakeFont(16, true, false);
    linkFont = MakeFont(16, false, true);

    topmost = false;
    minimizeBox = false;
    maximizeBox = false;
    modalFrame = true;
    SetSize(kFormWidth, kFormHeight);
    CenterOnScreen();
    SetText("Info...");

    Forward::PlugInto(*this);
    HoldOwner(ownerForm, this);
}

FormAbout::~FormAbout() {
    // Closing runs HandleClose, which must still find this object whole; a form deleted
    // without ever being shown gives its owner back here too, so no dangling dialogForm stays.
    CloseAndDestroy();
    ReleaseOwner(ownerForm, this);
}

// Runs on every WM_SHOWWINDOW, also the one of the opener's SW_SHOWNA on the window that
// Create has already shown (the first one, inside CreateWindowExW, comes too early to size).
void FormAbout::OnShow() {
    SetClientSize(kFormWidth, kFormHeight);
}

void FormAbout::HandleCreated() {
    // Laid out in the client area the window has now, before OnShow enlarges it.
    RECT client = {};
    GetClientRect(handle, &client);
    const int clientWidth = client.right - client.left;
    const int clientHeight = client.bottom - client.top;
    const int textLeft = imageWidth + 45; // right of the logo panel, 25 pixels apart
    const int textWidth = clientWidth - textLeft - 10;

    imagePanel = std::make_unique<PanelChildren>(this);
    imagePanel->SetBorder(true);
    imagePanel->SetSize(imageWidth + 20, clientHeight - 20);
    imagePanel->SetLocation(10, 10);
    imagePanel->onKeyPress = Forward::KeyPress;
    imagePanel->Create();

    logoView = std::make_unique<Image>(imagePanel.get(), imageId);
    logoView->SetSize(imageWidth, imageHeight);
    logoView->SetLocation(5, 5);
    logoView->onKeyPress = Forward::KeyPress;
    logoView->Create();

    titleLabel = std::make_unique<Label>(this, titleText);
    titleLabel->SetSize(textWidth, 25);
    titleLabel->SetLocation(textLeft, 10);
    titleLabel->font = titleFont.get();
    titleLabel->onKeyPress = Forward::KeyPress;
    titleLabel->Create();

    creditsLabel = std::make_unique<Label>(this, creditsText);
    creditsLabel->SetSize(textWidth, 25);
    creditsLabel->SetLocation(textLeft, 35);
    creditsLabel->font = formFont.get();
    creditsLabel->onKeyPress = Forward::KeyPress;
    creditsLabel->Create();

    siteLink = MakeLink(this, siteAddress, linkFont.get(), textLeft, 55);
    mailLink = MakeLink(this, MailAddressFor(siteAddress), linkFont.get(), textLeft + 160, 55);

    noticeBox = std::make_unique<TextBox>(this, noticeText);
    noticeBox->SetMultiline(true);
    noticeBox->SetReadOnly(true);
    noticeBox->SetVerticalScroll(true);
    noticeBox->SetSize(textWidth, clientHeight - 145);
    noticeBox->SetLocation(textLeft, 85);
    noticeBox->onKeyPress = Forward::KeyPress;
    noticeBox->Create();

    okButton = std::make_unique<Button>(this, "OK");
    okButton->SetSize(80, 25);
    okButton->SetLocation(textLeft + textWidth / 2 - 40, clientHeight - 50);
    okButton->onKeyPress = Forward::KeyPress;
    okButton->onClick = Forward::Click;
    okButton->Create();
    okButton->Focus();
}

bool FormAbout::HandleClose() {
    ReleaseOwner(ownerForm, this);
    return true;
}

bool FormAbout::HandleKeyPress(int ch) {
    if (ch != kEnter && ch != kEscape) {
        return true;
    }
    HandleClick(okButton.get());
    return false;
}

void FormAbout::HandleClick(GUIElement* element) {
    if (element == nullptr || okButton == nullptr || element->id != okButton->id) {
        return;
    }
    SendMessageW(handle, WM_CLOSE, 0, 0);
    created = false;
}

void FormAbout::HandleLinkPress(GUIElement* element, int, int) {
    if (openLink == nullptr || element == nullptr) {
        return;
    }
    // A link that cannot be opened does nothing visible.
    if (element == siteLink.get()) {
        openLink(siteAddress); // the stored address, not the shown text
    } else if (element == mailLink.get()) {
        openLink("mailto:" + mailLink->GetTextNarrow());
    }
}

} // namespace OrvoUtility
