// Top-level forms, the main-window handle, the release list and the message loop.
#pragma once

#include "ui/element.h"

#include <memory>
#include <string>

namespace OrvoUtility {

enum class FormKind {
    Main,  // the main window: captioned, minimize box
    Dialog // tool-window frame with a dialog border, always on top
};

// A top-level window of a class of its own ("Window" + the identifier counter's value).
// A form destroys its own window; a form's window whose handle is mainWindow ends the
// program's message loop when it is destroyed.
class Form : public GUIElement {
  public:
    explicit Form(HINSTANCE moduleInstance, FormKind kind = FormKind::Main);
    // Closes and destroys the window (see CloseAndDestroy) and unregisters the class.
    ~Form() override;

    void Create() override;
    virtual void FormHook() {} // an empty hook kept for subclasses

    // Stores the icon resource; on a live window loads it and shows it as the small icon.
    void SetIcon(unsigned short resourceId);
    // Resizes a created form so that its client area is exactly width x height.
    void SetClientSize(int clientWidth, int clientHeight);
    // Moves the form to the middle of the primary screen (only stores it before Create).
    void CenterOnScreen();
    // Sends WM_CLOSE (so OnClose and onClose run), then destroys the window whatever the
    // answer. A form whose callbacks use its own members calls this at the start of its
    // own destructor, while those members still exist; ~Form then has nothing left to do.
    void CloseAndDestroy();

    Form* dialogForm = nullptr; // the dialog currently opened over this form; not owned
    bool topmost = true;        // dialog forms only
    bool minimizeBox = true;
    bool maximizeBox = true;
    bool captioned = true;
    bool toolWindow;
    bool modalFrame = false;
    HICON iconHandle = nullptr;        // shared icon from LoadIconW: the system owns it
    unsigned short iconResourceId = 0; // 0 = the system's application icon

  private:
    std::wstring className; // windowClass.lpszClassName points here
    bool classRegistered = false;
};

// The first form window created in the process (null until then).
extern HWND mainWindow;

// Defers deleting an element until the message loop has ended; the list owns it.
void ReleaseLater(GUIElement* element);
// Deletes every element on the release list, in order, and empties it.
void FreeReleaseList();
// Runs GetMessageW/TranslateMessage/DispatchMessageW until WM_QUIT, then frees the release
// list. mainForm may be null; the loop ends when mainWindow is destroyed.
void RunMessageLoop(Form* mainForm);

} // namespace OrvoUtility
