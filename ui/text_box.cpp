// TextBox: edit-control style, creation, length limit and live style changes.
#include "ui/text_box.h"

#include "util/text.h"

namespace OrvoUtility {

TextBox::TextBox(GUIElement* parentElement, const std::string& initialText) {
    text = ToWide(initialText);
    width = 80;
    height = 30;
    parent = parentElement;
}

DWORD TextBox::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    if (!enabled)
        style |= WS_DISABLED;
    if (verticalScroll)
        style |= WS_VSCROLL;
    if (bordered)
        style |= WS_BORDER;
    if (multiline)
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (readOnly)
        style |= ES_READONLY;
    if (upperCase)
        style |= ES_UPPERCASE;
    return style;
}

void TextBox::Create() {
    if (created)
        return;
    CreateControlWindow(L"edit", bordered ? WS_EX_CLIENTEDGE : 0, Style());
    if (handle != nullptr)
        SubclassControl();
    created = true;
    if (maxLength != -1)
        SendMessageW(handle, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    ApplyFont();
}

void TextBox::SetMaxLength(int characters) {
    maxLength = characters;
    if (created)
        SendMessageW(handle, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void TextBox::SetMultiline(bool on) {
    multiline = on;
    ApplyStyle();
}

void TextBox::SetVerticalScroll(bool on) {
    verticalScroll = on;
    ApplyStyle();
}

void TextBox::SetReadOnly(bool on) {
    readOnly = on;
    ApplyStyle();
}

void TextBox::SetUpperCase(bool on) {
    upperCase = on;
    ApplyStyle();
}

void TextBox::ApplyStyle() {
    if (!created)
        return;
    // A live control's style is never 0 (WS_CHILD is always set), so 0 means failure.
    if (SetWindowLongPtrW(handle, GWL_STYLE, static_cast<LONG_PTR>(Style())) == 0)
        return;
    SendMessageW(handle, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
    SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace OrvoUtility
