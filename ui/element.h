// Element model of the OrvoUtility framework: the GUIElement and Child bases, the
// element registry and the identifier counter shared by every kind of element.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace OrvoUtility {

class Font;
class GUIElement;

// Event callbacks: plain function pointers, null = no handler. The first argument is always
// the element that received the event.
using CreateHandler = void (*)(GUIElement* element, HWND window);
using MouseHandler = void (*)(GUIElement* element, HWND window, int x, int y);
using KeyHandler = void (*)(GUIElement* element, int virtualKey);
using KeyPressHandler = bool (*)(GUIElement* element, int character); // false swallows it
using EventHandler = void (*)(GUIElement* element);
using CloseHandler = bool (*)(GUIElement* element); // false keeps the window open
using MouseMoveHandler = void (*)(GUIElement* element, int x, int y);

// "No colour set": all bits of a colour reference.
constexpr COLORREF NoColor = 0xFFFFFFFF;

// Every window element of the program. Setters store their value and, once the window
// exists, apply it to the window as well; Create applies everything stored before.
// An element owns its strings only: not its font, its parent or its window.
class GUIElement {
  public:
    explicit GUIElement(HINSTANCE moduleInstance); // forms pass the module, others null
    virtual ~GUIElement();
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    // Virtual operations, in the order the window procedure and the controls rely on.
    virtual void SetSize(int newWidth, int newHeight);
    virtual void SetBackColor(COLORREF color);
    virtual void SetEnabled(bool on);
    virtual void SetText(const std::wstring& newText);
    virtual void SetText(const std::string& newText); // widened, then the wide SetText
    virtual void OnMouseUp(int x, int y);
    virtual void OnMouseDown(int x, int y);
    virtual void OnDoubleClick(int x, int y);
    virtual void OnRightMouseUp(int x, int y);
    virtual void OnRightMouseDown(int x, int y);
    virtual void OnRightDoubleClick(int x, int y);
    virtual void OnKeyUp(int virtualKey);
    virtual void OnKeyDown(int virtualKey);
    virtual bool OnKeyPress(int character); // false swallows the character
    virtual void OnMouseMove(int x, int y);
    virtual void OnMouseHover();
    virtual void OnMouseLeave();
    virtual void Focus();
    virtual void OnMove();
    virtual void OnResize();
    virtual void OnPaint();
    // Brush for a child control's colour request (dc is the control's context); null keeps
    // the default colours.
    virtual HBRUSH OnControlColor(HDC dc);
    virtual bool OnClose(); // false keeps the window open
    virtual void OnDestroy();
    virtual void OnFocus();
    virtual void OnBlur();
    virtual void OnActivate();
    virtual void OnDeactivate();
    virtual void OnCreated(HWND window);
    virtual void Refresh();
    virtual bool IsBusyCursor();
    virtual bool IsHandCursor();
    virtual void SetBusyCursor(bool on);
    virtual void SetHandCursor(bool on);
    virtual void OnShow();
    // An empty hook: nothing in the program calls or overrides it.
    virtual void OnNotify(int kind, const std::vector<int>& numbers,
                          const std::vector<std::string>& texts);
    virtual void Create() = 0;

    // Hooks for the two messages the parent window receives on a control's behalf.
    // WM_DRAWITEM of an owner-drawn button (found by its control identifier): draw the item
    // and answer true, or answer false to leave it to the default processing.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);
    // WM_TIMER carrying this element's identifier; only a timer does something with it.
    virtual void OnTimerTick();

    POINT GetLocation(); // refreshed from the window when it exists
    SIZE GetSize();      // refreshed from the window when it exists
    std::wstring GetText();
    std::string GetTextNarrow();
    void SetLocation(int x, int y);
    void Show(); // creates the window if needed, then shows it without activating it

    // The window exists: Create has run and made one.
    bool HasWindow() const { return created && handle != nullptr; }

    bool visible = true;
    bool busyCursor = false;
    bool handCursor = false;
    HWND handle = nullptr; // not owned; menus keep theirs in their own menuHandle
    HINSTANCE instance;
    WNDCLASSW windowClass = {}; // filled by forms and panels when they register their class
    Font* font = nullptr;       // not owned; null = the window's default font
    int width = 100;
    int height = 50;
    int left = 100; // screen coordinates for a form, the parent's client coordinates otherwise
    int top = 100;
    bool created = false;
    COLORREF backColor = NoColor;
    std::wstring text;
    std::wstring textAtFocus;
    bool backColorPainted = false; // from then on every paint repaints the background
    bool enabled = true;
    int id = 0;
    GUIElement* parent = nullptr; // not owned
    WNDPROC previousWindowProc = nullptr;
    CreateHandler onCreate = nullptr;
    bool createNotified = false;
    MouseHandler onMouseUp = nullptr;
    MouseHandler onMouseDown = nullptr;
    MouseHandler onDoubleClick = nullptr;
    MouseHandler onRightMouseUp = nullptr;
    MouseHandler onRightMouseDown = nullptr;
    MouseHandler onRightDoubleClick = nullptr;
    KeyHandler onKeyUp = nullptr;
    KeyHandler onKeyDown = nullptr;
    KeyPressHandler onKeyPress = nullptr;
    EventHandler onMove = nullptr;
    EventHandler onResize = nullptr;
    EventHandler onPaint = nullptr;
    CloseHandler onClose = nullptr;
    EventHandler onDestroy = nullptr;
    EventHandler onFocus = nullptr;
    EventHandler onBlur = nullptr;
    EventHandler onActivate = nullptr;
    EventHandler onDeactivate = nullptr;
    EventHandler onTextChanged = nullptr;
    MouseMoveHandler onMouseMove = nullptr;
    EventHandler onMouseHover = nullptr;
    EventHandler onMouseLeave = nullptr;
};

// Base of every element whose window lives inside a form's or a panel's window.
class Child : public GUIElement {
  public:
    Child() : GUIElement(nullptr) {}
    // Hands the window back to its own procedure if it is still subclassed, so a control
    // that outlives its element still gets its own messages (and frees its own data).
    ~Child() override;

  protected:
    // The common creation of a standard control ("Button", "static", "edit"):
    // nothing when already created; else take the next identifier, create the window
    // inside the parent's window, subclass it, mark it created and apply the font.
    void CreateStandardControl(const wchar_t* className, DWORD exStyle, DWORD style);

    // The steps of CreateStandardControl, for controls that need a step of their own in
    // between (an image loads its bitmap before it is subclassed; a timer sets no font).
    // Takes the next identifier and creates the window; handle is null when that fails.
    void CreateControlWindow(const wchar_t* className, DWORD exStyle, DWORD style);
    // Routes the control's messages through the framework window procedure.
    void SubclassControl();
    // Sends the font (made on first use) to the window, if a font is set.
    void ApplyFont();
};

// Second base of the elements that issue a command (buttons and menu entries).
class CommandElement {
  public:
    EventHandler onClick = nullptr; // run with the element when it issues its command
};

// Process-wide identifier counter: controls, menu entries, timers, panels and forms all
// draw from it, so identifiers are unique across kinds and follow the order of creation.
int TakeNextId();     // increments the counter and returns the new value
int IdCounterValue(); // the current value (a form or panel names its class after it)

// Registry queries (every constructed element, in construction order).
// The first element with this window; when none matches, the last constructed element if
// it has no window yet (a form receiving messages inside CreateWindowExW), else null.
GUIElement* FindByHandle(HWND window);
// The first element with this window, without the fallback above.
GUIElement* FindExactHandle(HWND window);
GUIElement* FindById(int identifier);
// Every Child whose parent's window is the given window, in registry order.
std::vector<GUIElement*> ChildrenOf(HWND window);
// Every live element, in construction order.
const std::vector<GUIElement*>& RegisteredElements();

} // namespace OrvoUtility
