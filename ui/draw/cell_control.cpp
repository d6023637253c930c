// CellControl: text storage with repaint requests, and the cell's paint.
#include "ui/draw/cell_control.h"

#include "ui/draw/drawing.h"
#include "util/text.h"

namespace OrvoUtility {

CellControl::CellControl(GUIElement* parentElement) : PanelChildren(parentElement) {
    tabStop = false;
}

void CellControl::RequestRepaint() {
    if (HasWindow())
        InvalidateRect(handle, nullptr, TRUE);
}

void CellControl::SetText(const std::wstring& newText) {
    GUIElement::SetText(newText);
    RequestRepaint();
}

void CellControl::SetText(const std::string& newText) {
    SetText(ToWide(newText));
    RequestRepaint();
}

void CellControl::SetForeColor(COLORREF color) {
    foreColor = color;
    RequestRepaint();
}

void CellControl::SetAlignment(int value) {
    alignment = value;
    RequestRepaint();
}

Font* CellControl::OwnFont() {
    const std::wstring face = ToWide(fontFace);
    if (ownFont == nullptr || ownFont->face != face || ownFont->height != fontHeight)
        ownFont = std::make_unique<Font>(fontFace, fontHeight);
    return ownFont.get();
}

void CellControl::OnPaint() {
    RECT client{};
    if (created && handle != nullptr && GetClientRect(handle, &client)) {
        const int clientWidth = client.right;
        const int clientHeight = client.bottom;
        Font* shown = font != nullptr ? font : OwnFont();
        Drawing drawing(this);
        drawing.Begin();
        if (backColorPainted)
            drawing.PaintFilled(0, 0, clientWidth, clientHeight, backColor);
        // -1 when the font cannot be measured; the centring then simply uses it.
        const int textHeight = drawing.MeasureTextHeight(shown);
        if (!text.empty()) {
            const int y = (clientHeight - textHeight) / 2;
            drawing.PaintText(0, y, clientWidth, clientHeight - y, text, foreColor, alignment,
                              shown);
        }
        drawing.End();
    }
    RunPaintCallback();
}

} // namespace OrvoUtility
