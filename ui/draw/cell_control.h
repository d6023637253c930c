// CellControl: an owner-drawn text cell, centred vertically by its font's height.
#pragma once

#include "ui/draw/panel_children.h"
#include "ui/font.h"

#include <memory>
#include <string>

namespace OrvoUtility {

// Paints `text` in the element's font (or its own fontFace/fontHeight font when it has
// none), in foreColor, aligned horizontally by `alignment` (0 left, 1 right, 2 centre) and
// starting (client height - font height) / 2 pixels from the top, on the background colour.
class CellControl : public PanelChildren {
  public:
    explicit CellControl(GUIElement* parentElement);

    // Both store the text and ask for a repaint (the narrow one asks twice: once through
    // the wide one and once itself).
    void SetText(const std::wstring& newText) override;
    void SetText(const std::string& newText) override;
    void OnPaint() override;

    void SetForeColor(COLORREF color);
    void SetAlignment(int value);

    std::string fontFace = "Tahoma";
    int fontHeight = 14;
    int alignment = 2;
    COLORREF foreColor = RGB(0, 0, 0);

  private:
    void RequestRepaint();
    // The font made from fontFace and fontHeight, kept between paints and remade when
    // either changes.
    Font* OwnFont();

    std::unique_ptr<Font> ownFont;
};

} // namespace OrvoUtility
