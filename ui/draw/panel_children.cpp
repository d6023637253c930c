// PanelChildren: window class per panel, creation, border switch and child colours.
#include "ui/draw/panel_children.h"

#include "ui/font.h"
#include "ui/window_proc.h"

namespace OrvoUtility {

namespace {
// Module the panel's class is registered for: the nearest form's instance, else the exe.
HINSTANCE ModuleOf(const GUIElement* element) {
    for (const GUIElement* e = element; e != nullptr; e = e->parent) {
        if (e->instance != nullptr)
            return e->instance;
    }
    return GetModuleHandleW(nullptr);
}
} // namespace

PanelChildren::PanelChildren(GUIElement* parentElement) {
    parent = parentElement;
}

PanelChildren::~PanelChildren() {
    // Destroy the window only if it is still the one we made (a handle of a window that
    // went with its parent may since name another window).
    if (handle != nullptr && classAtom != 0 && IsWindow(handle) &&
        GetClassWord(handle, GCW_ATOM) == classAtom)
        DestroyWindow(handle);
    if (classAtom != 0) {
        UnregisterClassW(className.c_str(), windowClass.hInstance);
        // The class owned its background brush from registration on and deletes it with
        // the class; when unregistering fails the brush stays with the class.
        classBrush.Release();
    }
}

DWORD PanelChildren::WindowStyle() const {
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (tabStop)
        style |= WS_TABSTOP;
    if (!enabled)
        style |= WS_DISABLED;
    if (border)
        style |= WS_BORDER;
    return style;
}

void PanelChildren::Create() {
    if (created)
        return;
    className = L"PanelChildren" + std::to_wstring(IdCounterValue());
    id = TakeNextId();

    HBRUSH background = GetSysColorBrush(COLOR_BTNFACE);
    if (backColor != NoColor) {
        classBrush.Reset(CreateSolidBrush(backColor));
        background = classBrush.Get();
    }
    windowClass = WNDCLASSW{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = FrameworkWindowProc;
    windowClass.hInstance = ModuleOf(this);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className.c_str();
    classAtom = RegisterClassW(&windowClass);
    if (classAtom == 0)
        classBrush.Reset(); // no class took the brush

    const DWORD exStyle = border && !flatBorder ? WS_EX_CLIENTEDGE : 0;
    HWND parentWindow = parent != nullptr ? parent->handle : nullptr;
    handle =
        CreateWindowExW(exStyle, className.c_str(), text.c_str(), WindowStyle(), left, top, width,
                        height, parentWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        windowClass.hInstance, nullptr);
    // Marked created before the first paint below, so that paint already draws.
    created = true;
    if (handle != nullptr) {
        ShowWindow(handle, SW_SHOW);
        UpdateWindow(handle);
    }
    if (onCreate != nullptr)
        onCreate(this, handle);
    ApplyFont();
}

HBRUSH PanelChildren::OnControlColor(HDC dc) {
    childBrush.Reset();
    if (font != nullptr)
        SelectObject(dc, font->GetHandle());
    if (backColor == NoColor)
        return GetSysColorBrush(COLOR_BTNFACE);
    SetBkColor(dc, backColor);
    childBrush.Reset(CreateSolidBrush(backColor));
    return childBrush.Get();
}

void PanelChildren::SetBorder(bool on) {
    border = on;
    flatBorder = false;
    if (!HasWindow())
        return;
    if (SetWindowLongPtrW(handle, GWL_STYLE, static_cast<LONG_PTR>(WindowStyle())) == 0)
        return;
    SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

void PanelChildren::RunPaintCallback() {
    if (onPaint == nullptr)
        return;
    const bool painted = backColorPainted;
    backColorPainted = false;
    onPaint(this);
    backColorPainted = painted;
}

} // namespace OrvoUtility
