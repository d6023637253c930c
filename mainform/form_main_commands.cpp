// FormMain: the menu bar, the three buttons, what their commands do, and leaving.
#include "mainform/form_main.h"

#include "res/resource_ids.h"
#include "ui/ask.h"
#include "util/files.h"

namespace MyGame {

namespace {

constexpr int kButtonX = 640 - 128;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 40;
constexpr const char* kPlayText = "GIOCA";
constexpr const char* kAbandonText = "ABBANDONA";

// Every menu item's onClick: the FormMain the item belongs to (item, menu, bar, form),
// else the main form.
void dispatchMenuCommand(OrvoUtility::GUIElement* item) {
    FormMain* form = nullptr;
    for (OrvoUtility::GUIElement* e = item; e != nullptr && form == nullptr; e = e->parent)
        form = dynamic_cast<FormMain*>(e);
    if (form == nullptr)
        form = mainForm;
    if (form != nullptr)
        form->onMenuCommand(item);
}

void forwardButton(OrvoUtility::GUIElement* button) {
    if (auto* form = dynamic_cast<FormMain*>(button->parent))
        form->onButton(button);
}

// Items and buttons are told apart by their framework identifier.
bool is(const OrvoUtility::GUIElement* element, const OrvoUtility::GUIElement* which) {
    return element != nullptr && which != nullptr && element->id == which->id;
}

std::unique_ptr<OrvoUtility::SubMenu> makeItem(OrvoUtility::Menu* menu, const char* caption) {
    auto item = std::make_unique<OrvoUtility::SubMenu>(menu, caption);
    item->onClick = dispatchMenuCommand;
    return item;
}

std::unique_ptr<OrvoUtility::SubMenu> makeCheckItem(OrvoUtility::Menu* menu, const char* caption,
                                                    bool ticked) {
    auto item = makeItem(menu, caption);
    item->SetCheckable(true);
    item->SetChecked(ticked);
    return item;
}

} // namespace

void FormMain::buildMenuBar() {
    using OrvoUtility::Menu;
    menuBar = std::make_unique<OrvoUtility::MenuBar>(this);
    fileMenu = std::make_unique<Menu>(menuBar.get(), "&File");
    exitItem = makeItem(fileMenu.get(), "&Esci");
    optionsMenu = std::make_unique<Menu>(menuBar.get(), "&Opzioni");
    joystickItem = makeCheckItem(optionsMenu.get(), "&Abilita Joystick", game.joystickEnabled);
    infiniteLivesItem = makeCheckItem(optionsMenu.get(), "&Vite infinite", game.infiniteLives);
    helpMenu = std::make_unique<Menu>(menuBar.get(), "&?");
    guideItem = makeItem(helpMenu.get(), "&Guida");
    homeItem = makeItem(helpMenu.get(), "&Home");
    menuBar->Create(); // attaches the menus to the window
}

void FormMain::buildButtons() {
    auto makeButton = [this](const char* caption, int y) {
        auto button = std::make_unique<OrvoUtility::Button>(this, caption);
        button->SetSize(kButtonWidth, kButtonHeight);
        button->SetLocation(kButtonX, y);
        button->onClick = forwardButton;
        button->ownerDraw = true; // drawn in the colours of OnControlColor
        return button;
    };
    infoButton = makeButton("Info", 90);
    infoButton->Create();
    closeButton = makeButton("Chiudi", 140);
    closeButton->Create();
    playButton = makeButton(kPlayText, 40);
    playButton->SetHandCursor(true);
    playButton->Create();
}

void FormMain::onMenuCommand(OrvoUtility::GUIElement* item) {
    if (is(item, exitItem.get())) {
        SendMessageW(handle, WM_CLOSE, 0, 0); // confirmExit decides
        // Only a window that really went away counts as gone: after a No it is still
        // there and must still be destroyed with the form.
        if (!IsWindow(handle))
            created = false;
    } else if (is(item, joystickItem.get())) {
        // The framework has already flipped the tick; the menu holds the new state.
        game.joystickEnabled = joystickItem->IsChecked();
    } else if (is(item, infiniteLivesItem.get())) {
        game.infiniteLives = infiniteLivesItem->IsChecked();
    } else if (is(item, homeItem.get())) {
        OpenLink(kHomePage);
    } else if (is(item, guideItem.get())) {
        OpenLink(helpPageAddress());
    }
}

void FormMain::onButton(OrvoUtility::GUIElement* button) {
    if (is(button, closeButton.get())) {
        onMenuCommand(exitItem.get()); // exactly what "&Esci" does
    } else if (is(button, playButton.get())) {
        if (playButton->GetTextNarrow() == kAbandonText)
            game.abandonGame();
        else
            game.newGame();
    } else if (is(button, infoButton.get())) {
        openAboutForm();
    }
}

void FormMain::gameStarted() {
    playButton->SetText(kAbandonText);
    infiniteLivesItem->SetEnabled(false);
    Focus(); // the arrow keys go to the form, not to the button
}

void FormMain::gameAbandoned() {
    showIdleControls();
}

void FormMain::showIdleControls() {
    playButton->SetText(kPlayText);
    infiniteLivesItem->SetEnabled(true);
}

void FormMain::openAboutForm() {
    if (aboutForm != nullptr)
        OrvoUtility::ReleaseLater(aboutForm.release());
    aboutForm = std::make_unique<OrvoUtility::FormAbout>(this);
    aboutForm->imageId = kBitmapAboutLogo;
    aboutForm->imageWidth = 164;
    aboutForm->imageHeight = 50;
    aboutForm->titleText = std::string(kAppName) + " " + kVersion;
    aboutForm->creditsText = kCreditsLine;
    aboutForm->noticeText = kFreewareNotice;
    aboutForm->siteAddress = kHomePage;
    Focus();
    aboutForm->Show(); // made if needed, shown without taking the activation
}

bool FormMain::confirmExit() {
    if (!OrvoUtility::Ask("Vuoi realmente uscire?", "Uscita"))
        return false; // everything goes on, a running game too
    if (gameTimer != nullptr && gameTimer->ticking)
        gameTimer->Stop();
    return true;
}

} // namespace MyGame
