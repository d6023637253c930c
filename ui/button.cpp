// Button: creation and the framework's drawing of owner-drawn buttons.
#include "ui/button.h"

#include "ui/draw/drawing.h"
#include "util/text.h"

#include <algorithm>

namespace OrvoUtility {

namespace {
constexpr COLORREF kDisabledFrame = RGB(105, 105, 105);
constexpr COLORREF kDisabledText = RGB(150, 150, 150);

// Height the caption is centred by: the selected font's requested cell height. A font
// asked for by character height (negative) or at the default height (0) has no usable
// value there, so its measured cell height is taken instead.
int SelectedFontHeight(HDC dc) {
    LOGFONTW description{};
    HGDIOBJ selected = GetCurrentObject(dc, OBJ_FONT);
    if (selected != nullptr && GetObjectW(selected, sizeof(description), &description) != 0 &&
        description.lfHeight > 0)
        return description.lfHeight;
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc, &metrics) ? metrics.tmHeight : 0;
}
} // namespace

ButtonLook ButtonLookFor(UINT itemState, COLORREF textColor) {
    if (itemState & ODS_DISABLED)
        return {kDisabledFrame, kDisabledText};
    if (itemState & ODS_SELECTED)
        return {RGB(255, 255, 255) - textColor, textColor}; // the inverse of the text colour
    return {textColor, textColor};
}

Button::Button(GUIElement* parentElement, const std::string& caption) {
    text = ToWide(caption);
    width = 80;
    height = 30;
    parent = parentElement;
}

void Button::Create() {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (ownerDraw)
        style |= BS_OWNERDRAW;
    if (!enabled)
        style |= WS_DISABLED;
    CreateStandardControl(L"Button", 0, style);
}

bool Button::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON)
        return false;
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const int textTop = std::max(0, (h - SelectedFontHeight(dc)) / 2);
    const ButtonLook look = ButtonLookFor(item.itemState, GetTextColor(dc));

    Drawing drawing(this);
    drawing.Borrow(dc);
    drawing.PaintFilled(r.left, r.top, w, h, GetBkColor(dc));
    drawing.PaintOutline(r.left, r.top, w, h, look.frame);
    // No font of its own: the caption uses the font the parent selected for the button.
    drawing.PaintTextNarrow(r.left, r.top + textTop, w, h, GetTextNarrow(), look.text, 2, nullptr);
    if (item.itemState & ODS_FOCUS) {
        RECT focus{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3};
        DrawFocusRect(dc, &focus);
    }
    drawing.End();
    return true;
}

} // namespace OrvoUtility
