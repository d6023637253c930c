// TextBox: the standard edit control with the settings this program uses.
#pragma once

#include "ui/element.h"

#include <string>

namespace OrvoUtility {

// A standard "edit" control. Settings are normally made before Create; on a live box the
// setters apply them through ApplyStyle (Windows fixes ES_MULTILINE at creation, so a live
// one-line box cannot become multi-line).
class TextBox : public Child {
  public:
    TextBox(GUIElement* parentElement, const std::string& initialText);

    void Create() override;

    // Limits the number of characters typed or pasted; -1 sets no limit at Create.
    void SetMaxLength(int characters);
    void SetMultiline(bool on);
    void SetVerticalScroll(bool on);
    void SetReadOnly(bool on);
    void SetUpperCase(bool on);
    // Makes the current settings take effect on a live box; nothing before Create.
    void ApplyStyle();
    // Window style computed from the settings.
    DWORD Style() const;

    int maxLength = -1;
    bool multiline = false;
    bool verticalScroll = false;
    bool readOnly = false;
    bool upperCase = false; // typed letters become capitals
    bool bordered = true;   // sunken border
};

} // namespace OrvoUtility
