// FormNamePlayer: the small form that asks for the player's name, and the last name taken.
#pragma once

#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/text_box.h"

#include <memory>
#include <string>

namespace OrvoUtility {

// The last name accepted by a FormNamePlayer in this run; empty until the first one.
extern std::string playerName;

// A prompt, a one-line box for up to 10 capitals and "OK". Its window is made by the
// constructor; while it is open the owner is disabled, so it acts as a modal dialog
// without a loop of its own. "OK" or Enter with a non-empty name stores the name in
// playerName and closes the form; the close box closes it without touching playerName.
// onDestroy is left to the opener: it runs once when the window goes, however it closed.
class FormNamePlayer : public Form {
  public:
    FormNamePlayer(Form* ownerForm, HINSTANCE instance, std::string caption);
    ~FormNamePlayer() override;

    // Stores the prompt; shows it at once when the label exists.
    void SetPrompt(std::string text);

    // Hooks reached through the form's and its children's callbacks.
    virtual void HandleCreated();                  // builds the three children
    virtual bool HandleClose();                    // gives the owner back; always true
    virtual void HandleResize() {}                 // nothing
    virtual bool HandleKeyPress(int ch);           // Enter presses "OK" and is swallowed
    virtual void HandleKeyDown(int) {}             // nothing
    virtual void HandleKeyUp(int) {}               // nothing
    virtual void HandleClick(GUIElement* element); // "OK": takes a non-empty name

    Form* ownerForm; // not owned
    std::unique_ptr<Label> promptLabel;
    std::unique_ptr<TextBox> nameBox;
    std::unique_ptr<Button> okButton;
    std::string prompt;
};

} // namespace OrvoUtility
