// The framework's one window procedure: forms and panels register it as their class
// procedure, standard controls are subclassed to it.
#pragma once

#include <windows.h>

namespace OrvoUtility {

class Form;

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The form that last became the active foreground form (null when none is).
Form* ActiveForm();
// Called by a form going away, so the procedure never calls it again as the active form.
void ForgetActiveForm(const Form* form);

} // namespace OrvoUtility
