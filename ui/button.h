// Button: a push button issuing a click command, optionally drawn by the framework.
#pragma once

#include "ui/element.h"

#include <string>

namespace OrvoUtility {

// A standard "Button" control. Its clicks reach onClick through the parent's WM_COMMAND.
// When ownerDraw is set before Create, the framework draws it: background and text colour
// from the parent's control colours, a one-pixel frame, the caption centred, and distinct
// looks for the pressed, disabled and focused states.
class Button : public Child, public CommandElement {
  public:
    Button(GUIElement* parentElement, const std::string& caption);

    void Create() override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

    bool ownerDraw = false;
};

// Colours of an owner-drawn button for one item state, given the text colour the parent
// chose: the disabled look wins over the pressed one.
struct ButtonLook {
    COLORREF frame;
    COLORREF text;
};
ButtonLook ButtonLookFor(UINT itemState, COLORREF textColor);

} // namespace OrvoUtility
