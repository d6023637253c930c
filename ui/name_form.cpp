// FormNamePlayer: construction, children, Enter and "OK", and giving the owner back.
#include "ui/name_form.h"

#include "ui/dialog_owner.h"

namespace OrvoUtility {

std::string playerName;

namespace {

constexpr int kEnter = 13;
constexpr int kMaxNameLength = 10;

using Forward = DialogForwarders<FormNamePlayer>;

} // namespace

FormNamePlayer::FormNamePlayer(Form* owner, HINSTANCE moduleInstance, std::string caption)
    : Form(moduleInstance, FormKind::Dialog), ownerForm(owner) {
    topmost = false;
    minimizeBox = false;
    maximizeBox = false;
    HoldOwner(ownerForm, this);
    SetSize(250, 150);
    SetText(caption);

    Forward::PlugInto(*this);

    // The children are built while the window is made (onCreate).
    Create();
}

FormNamePlayer::~FormNamePlayer() {
    // Closing runs HandleClose, which must still find this object whole; a form deleted
    // without ever closing gives its owner back here too, so no dangling dialogForm stays.
    CloseAndDestroy();
    ReleaseOwner(ownerForm, this);
}

void FormNamePlayer::SetPrompt(std::string text) {
    prompt = std::move(text);
    if (HasWindow() && promptLabel != nullptr) {
        promptLabel->SetText(prompt);
    }
}

void FormNamePlayer::HandleCreated() {
    RECT client = {};
    GetClientRect(handle, &client);
    const int clientWidth = client.right - client.left;

    promptLabel = std::make_unique<Label>(this, prompt);
    promptLabel->SetSize(clientWidth - 10, 25);
    promptLabel->SetLocation(5, 5);
    promptLabel->Create();

    nameBox = std::make_unique<TextBox>(this, "");
    nameBox->SetSize(clientWidth / 2 - 10, 25);
    nameBox->SetLocation(5, 35);
    nameBox->SetMaxLength(kMaxNameLength);
    nameBox->SetUpperCase(true);
    nameBox->onKeyPress = Forward::KeyPress;
    nameBox->Create();
    nameBox->Focus();

    okButton = std::make_unique<Button>(this, "OK");
    okButton->SetSize(80, 25);
    okButton->SetLocation(clientWidth / 2 + 5, 35);
    okButton->onClick = Forward::Click;
    okButton->Create();
}

bool FormNamePlayer::HandleClose() {
    ReleaseOwner(ownerForm, this);
    return true;
}

bool FormNamePlayer::HandleKeyPress(int ch) {
    if (ch != kEnter) {
        return true;
    }
    HandleClick(okButton.get());
    return false;
}

void FormNamePlayer::HandleClick(GUIElement* element) {
    if (element == nullptr || okButton == nullptr || element->id != okButton->id ||
        nameBox == nullptr) {
        return;
    }
    std::string name = nameBox->GetTextNarrow();
    if (name.empty()) {
        return;
    }
    // Taken exactly as the box shows it: blanks count, nothing is trimmed.
    playerName = name;
    SendMessageW(handle, WM_CLOSE, 0, 0);
    created = false;
}

} // namespace OrvoUtility
