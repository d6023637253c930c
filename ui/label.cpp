// Label: creation of the static text control.
#include "ui/label.h"

#include "util/text.h"

namespace OrvoUtility {

Label::Label(GUIElement* parentElement, const std::string& caption) {
    text = ToWide(caption);
    width = 80;
    height = 30;
    parent = parentElement;
}

void Label::Create() {
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
    if (!enabled)
        style |= WS_DISABLED;
    CreateStandardControl(L"static", 0, style);
}

} // namespace OrvoUtility
