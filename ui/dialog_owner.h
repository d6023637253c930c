// Shared by the dialog forms: a child's enclosing form, and the owner held disabled.
#pragma once

#include "ui/element.h"
#include "ui/form.h"

namespace OrvoUtility {

// The nearest element of type FormType on the way up from element through its parents
// (the element itself included), or null. A child of a panel finds the panel's form.
template <typename FormType> FormType* EnclosingForm(GUIElement* element) {
    for (GUIElement* e = element; e != nullptr; e = e->parent) {
        if (FormType* form = dynamic_cast<FormType*>(e)) {
            return form;
        }
    }
    return nullptr;
}

// The forwarding functions a dialog form plugs into its own callbacks and its children's:
// each finds the dialog the element sits on (a child of a panel included) and calls the
// dialog's hook of the same name. A dialog form plugs in all of them in its constructor.
template <typename FormType> struct DialogForwarders {
    static void Create(GUIElement* element, HWND) {
        if (FormType* form = EnclosingForm<FormType>(element)) {
            form->HandleCreated();
        }
    }
    static bool Close(GUIElement* element) {
        FormType* form = EnclosingForm<FormType>(element);
        return form == nullptr || form->HandleClose();
    }
    static void Resize(GUIElement* element) {
        if (FormType* form = EnclosingForm<FormType>(element)) {
            form->HandleResize();
        }
    }
    static bool KeyPress(GUIElement* element, int character) {
        FormType* form = EnclosingForm<FormType>(element);
        return form == nullptr || form->HandleKeyPress(character);
    }
    static void KeyDown(GUIElement* element, int key) {
        if (FormType* form = EnclosingForm<FormType>(element)) {
            form->HandleKeyDown(key);
        }
    }
    static void KeyUp(GUIElement* element, int key) {
        if (FormType* form = EnclosingForm<FormType>(element)) {
            form->HandleKeyUp(key);
        }
    }
    // Plugs the form's own callbacks; the children get KeyPress and Click one by one.
    static void PlugInto(FormType& form) {
        form.onCreate = Create;
        form.onClose = Close;
        form.onResize = Resize;
        form.onKeyPress = KeyPress;
        form.onKeyDown = KeyDown;
        form.onKeyUp = KeyUp;
    }
    static void Click(GUIElement* element) {
        if (FormType* form = EnclosingForm<FormType>(element)) {
            form->HandleClick(element);
        }
    }
};

// Disables the owner and makes the dialog its current dialogForm. A null owner is allowed.
void HoldOwner(Form* owner, Form* dialog);
// Gives the owner back, but only while this dialog is still its current one: a dialog
// opened later over the same owner keeps it disabled until that one closes, and a second
// call does nothing.
void ReleaseOwner(Form* owner, Form* dialog);

} // namespace OrvoUtility
