// PanelChildren: the framework's own child window, able to host other elements.
#pragma once

#include "ui/draw/gdi_scope.h"
#include "ui/element.h"

#include <string>

namespace OrvoUtility {

// A plain child window of a class of its own ("PanelChildren" + the identifier counter's
// value), with an optional border, that hands its child controls their background brush.
// Unlike standard controls, a panel owns its window and its class: deleting the panel
// destroys a window that is still there and unregisters the class (with its brush), so
// panels made and deleted over a long run leave nothing behind.
class PanelChildren : public Child {
  public:
    explicit PanelChildren(GUIElement* parentElement);
    ~PanelChildren() override;

    void Create() override;
    // Font and background colour for a child control's context; the brush stays valid
    // until the next request or the panel's deletion.
    HBRUSH OnControlColor(HDC dc) override;

    // Switches the border; the client edge is decided at creation and not changed after.
    void SetBorder(bool on);

    std::string tag; // free text for the owner; the framework never reads it
    bool border = false;
    bool flatBorder = false; // a bordered panel without the client edge
    bool tabStop = true;

  protected:
    DWORD WindowStyle() const;
    // Runs onPaint, with backColorPainted reading false while it runs.
    void RunPaintCallback();

  private:
    OwnedBrush childBrush;  // last brush handed to a child control
    OwnedBrush classBrush;  // class background; the class deletes it when unregistered
    std::wstring className; // windowClass.lpszClassName points here
    ATOM classAtom = 0;
};

} // namespace OrvoUtility
