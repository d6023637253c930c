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

// Disables the owner and makes the dialog its current dialogForm. A null owner is allowed.
void HoldOwner(Form* owner, Form* dialog);
// Gives the owner back, but only while this dialog is still its current one: a dialog
// opened later over the same owner keeps it disabled until that one closes, and a second
// call does nothing.
void ReleaseOwner(Form* owner, Form* dialog);

} // namespace OrvoUtility
