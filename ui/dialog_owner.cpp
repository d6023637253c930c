// Owner handling shared by the dialog forms.
#include "ui/dialog_owner.h"

namespace OrvoUtility {

void HoldOwner(Form* owner, Form* dialog) {
    if (owner == nullptr) {
        return;
    }
    owner->SetEnabled(false);
    owner->dialogForm = dialog;
}

void ReleaseOwner(Form* owner, Form* dialog) {
    if (owner == nullptr || owner->dialogForm != dialog) {
        return;
    }
    owner->dialogForm = nullptr;
    owner->SetEnabled(true);
}

} // namespace OrvoUtility
