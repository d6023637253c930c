// GUIElement and Child operations, the element registry and the identifier counter.
#include "ui/element.h"

#include "ui/font.h"
#include "ui/window_proc.h"
#include "util/text.h"

#include <algorithm>
#include <iterator>

namespace OrvoUtility {

namespace {

// Every live element in construction order. Function-local so that it exists before the
// first element of any static initialiser.
std::vector<GUIElement*>& Registry() {
    static std::vector<GUIElement*> elements;
    return elements;
}

int idCounter = 0;

} // namespace

int TakeNextId() {
    return ++idCounter;
}

int IdCounterValue() {
    return idCounter;
}

GUIElement* FindExactHandle(HWND window) {
    for (GUIElement* element : Registry()) {
        if (element->handle == window) {
            return element;
        }
    }
    return nullptr;
}

GUIElement* FindByHandle(HWND window) {
    if (GUIElement* element = FindExactHandle(window)) {
        return element;
    }
    // Inside CreateWindowExW a new form's window sends messages before its handle is known;
    // the element being created is always the most recently constructed one.
    const std::vector<GUIElement*>& elements = Registry();
    if (!elements.empty() && elements.back()->handle == nullptr) {
        return elements.back();
    }
    return nullptr;
}

GUIElement* FindById(int identifier) {
    for (GUIElement* element : Registry()) {
        if (element->id == identifier) {
            return element;
        }
    }
    return nullptr;
}

std::vector<GUIElement*> ChildrenOf(HWND window) {
    std::vector<GUIElement*> children;
    for (GUIElement* element : Registry()) {
        if (dynamic_cast<Child*>(element) != nullptr && element->parent != nullptr &&
            element->parent->handle == window) {
            children.push_back(element);
        }
    }
    return children;
}

const std::vector<GUIElement*>& RegisteredElements() {
    return Registry();
}

GUIElement::GUIElement(HINSTANCE moduleInstance) : instance(moduleInstance) {
    Registry().push_back(this);
}

GUIElement::~GUIElement() {
    std::vector<GUIElement*>& elements = Registry();
    // Usually the latest elements go first, so search from the back.
    auto found = std::find(elements.rbegin(), elements.rend(), this);
    if (found != elements.rend()) {
        elements.erase(std::next(found).base());
    }
}

void GUIElement::SetSize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    if (HasWindow()) {
        SetWindowPos(handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOMOVE);
        Refresh();
    }
}

void GUIElement::SetBackColor(COLORREF color) {
    backColor = color;
    if (!HasWindow()) {
        return;
    }
    InvalidateRect(handle, nullptr, FALSE);
    RECT client = {};
    GetClientRect(handle, &client);
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(handle, &paint);
    if (dc != nullptr) {
        SetBkColor(dc, backColor);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
        EndPaint(handle, &paint);
    }
    backColorPainted = true;
}

void GUIElement::SetEnabled(bool on) {
    enabled = on;
    if (HasWindow()) {
        EnableWindow(handle, on ? TRUE : FALSE);
    }
}

void GUIElement::SetText(const std::wstring& newText) {
    text = newText;
    if (HasWindow()) {
        SetWindowTextW(handle, text.c_str());
    }
}

void GUIElement::SetText(const std::string& newText) {
    SetText(ToWide(newText));
}

void GUIElement::OnMouseUp(int x, int y) {
    if (onMouseUp != nullptr) {
        onMouseUp(this, handle, x, y);
    }
}

void GUIElement::OnMouseDown(int x, int y) {
    if (onMouseDown != nullptr) {
        onMouseDown(this, handle, x, y);
    }
}

void GUIElement::OnDoubleClick(int x, int y) {
    if (onDoubleClick != nullptr) {
        onDoubleClick(this, handle, x, y);
    }
}

void GUIElement::OnRightMouseUp(int x, int y) {
    if (onRightMouseUp != nullptr) {
        onRightMouseUp(this, handle, x, y);
    }
}

void GUIElement::OnRightMouseDown(int x, int y) {
    if (onRightMouseDown != nullptr) {
        onRightMouseDown(this, handle, x, y);
    }
}

void GUIElement::OnRightDoubleClick(int x, int y) {
    if (onRightDoubleClick != nullptr) {
        onRightDoubleClick(this, handle, x, y);
    }
}

void GUIElement::OnKeyUp(int virtualKey) {
    if (onKeyUp != nullptr) {
        onKeyUp(this, virtualKey);
    }
}

void GUIElement::OnKeyDown(int virtualKey) {
    if (onKeyDown != nullptr) {
        onKeyDown(this, virtualKey);
    }
}

bool GUIElement::OnKeyPress(int character) {
    return onKeyPress == nullptr || onKeyPress(this, character);
}

void GUIElement::OnMouseMove(int x, int y) {
    if (onMouseMove != nullptr) {
        onMouseMove(this, x, y);
    }
}

void GUIElement::OnMouseHover() {
    if (onMouseHover != nullptr) {
        onMouseHover(this);
    }
}

void GUIElement::OnMouseLeave() {
    if (onMouseLeave != nullptr) {
        onMouseLeave(this);
    }
}

void GUIElement::Focus() {
    if (HasWindow()) {
        SetFocus(handle);
    }
}

void GUIElement::OnMove() {
    GetLocation();
    if (onMove != nullptr) {
        onMove(this);
    }
}

void GUIElement::OnResize() {
    if (onResize != nullptr) {
        onResize(this);
    }
}

void GUIElement::OnPaint() {
    if (backColorPainted) {
        SetBackColor(backColor);
    }
    if (onPaint != nullptr) {
        onPaint(this);
    }
}

HBRUSH GUIElement::OnControlColor(HDC) {
    return nullptr;
}

bool GUIElement::OnClose() {
    return onClose == nullptr || onClose(this);
}

void GUIElement::OnDestroy() {
    if (onDestroy != nullptr) {
        onDestroy(this);
    }
}

void GUIElement::OnFocus() {
    textAtFocus = GetText();
    if (onFocus != nullptr) {
        onFocus(this);
    }
}

void GUIElement::OnBlur() {
    if (onBlur != nullptr) {
        onBlur(this);
    }
    if (GetText() != textAtFocus && onTextChanged != nullptr) {
        onTextChanged(this);
    }
}

void GUIElement::OnActivate() {
    if (onActivate != nullptr) {
        onActivate(this);
    }
}

void GUIElement::OnDeactivate() {
    if (onDeactivate != nullptr) {
        onDeactivate(this);
    }
}

void GUIElement::OnCreated(HWND window) {
    if (handle == nullptr) {
        handle = window;
    }
    if (!createNotified && onCreate != nullptr) {
        onCreate(this, handle);
    }
    createNotified = true;
}

void GUIElement::Refresh() {
    if (HasWindow()) {
        RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
}

bool GUIElement::IsBusyCursor() {
    return busyCursor;
}

bool GUIElement::IsHandCursor() {
    return handCursor;
}

void GUIElement::SetBusyCursor(bool on) {
    busyCursor = on;
}

void GUIElement::SetHandCursor(bool on) {
    handCursor = on;
}

void GUIElement::OnShow() {}

void GUIElement::OnNotify(int, const std::vector<int>&, const std::vector<std::string>&) {}

bool GUIElement::OnDrawItem(const DRAWITEMSTRUCT&) {
    return false;
}

void GUIElement::OnTimerTick() {}

POINT GUIElement::GetLocation() {
    if (HasWindow()) {
        RECT bounds = {};
        if (GetWindowRect(handle, &bounds)) {
            POINT corner = {bounds.left, bounds.top};
            if (parent != nullptr) {
                ScreenToClient(parent->handle, &corner);
            }
            left = corner.x;
            top = corner.y;
        }
    }
    return POINT{left, top};
}

SIZE GUIElement::GetSize() {
    if (HasWindow()) {
        RECT bounds = {};
        if (GetWindowRect(handle, &bounds)) {
            width = bounds.right - bounds.left;
            height = bounds.bottom - bounds.top;
        }
    }
    return SIZE{width, height};
}

std::wstring GUIElement::GetText() {
    if (HasWindow()) {
        int length = GetWindowTextLengthW(handle);
        if (length <= 0) {
            text.clear();
        } else {
            std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
            int copied = GetWindowTextW(handle, &buffer[0], length + 1);
            if (copied > 0) {
                buffer.resize(static_cast<size_t>(copied));
                text = buffer;
            }
        }
    }
    return text;
}

std::string GUIElement::GetTextNarrow() {
    return ToNarrow(GetText());
}

void GUIElement::SetLocation(int x, int y) {
    left = x;
    top = y;
    if (HasWindow()) {
        SetWindowPos(handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOSIZE);
        Refresh();
    }
}

void GUIElement::Show() {
    if (!created) {
        Create();
    }
    if (handle != nullptr) {
        ShowWindow(handle, SW_SHOWNA);
    }
    visible = true;
}

Child::~Child() {
    if (previousWindowProc == nullptr || handle == nullptr || !IsWindow(handle)) {
        return;
    }
    LONG_PTR current = GetWindowLongPtrW(handle, GWLP_WNDPROC);
    if (current == reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)) {
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc));
    }
}

void Child::CreateStandardControl(const wchar_t* className, DWORD exStyle, DWORD style) {
    if (created) {
        return;
    }
    CreateControlWindow(className, exStyle, style);
    SubclassControl();
    created = true;
    ApplyFont();
}

void Child::CreateControlWindow(const wchar_t* className, DWORD exStyle, DWORD style) {
    id = TakeNextId();
    HWND parentWindow = parent != nullptr ? parent->handle : nullptr;
    // The identifier travels in the menu argument, as every child window's does.
    HMENU controlId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    handle = CreateWindowExW(exStyle, className, text.c_str(), style, left, top, width, height,
                             parentWindow, controlId, nullptr, nullptr);
}

void Child::SubclassControl() {
    if (handle == nullptr || previousWindowProc != nullptr) {
        return;
    }
    previousWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)));
}

void Child::ApplyFont() {
    if (font == nullptr || handle == nullptr) {
        return;
    }
    HFONT fontHandle = font->GetHandle();
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle), TRUE);
}

} // namespace OrvoUtility
