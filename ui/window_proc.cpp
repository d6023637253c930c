// The framework window procedure: finds the element of each message's window in the
// registry and turns the message into a call of one of its virtual operations.
#include "ui/window_proc.h"

#include "ui/element.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace OrvoUtility {

namespace {

HCURSOR waitCursor = nullptr;
HCURSOR handCursor = nullptr;
bool mouseTracking = false; // one TrackMouseEvent request outstanding for the whole process
HWND trackedWindow = nullptr;
Form* activeForm = nullptr;

// The two 16-bit halves of a mouse message's LPARAM, as signed client coordinates.
int MouseX(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}
int MouseY(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}

void TabToNextControl(GUIElement* element, HWND window) {
    HWND container = window;
    if (dynamic_cast<Child*>(element) != nullptr && element->parent != nullptr) {
        container = element->parent->handle;
    }
    BOOL backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0 ? TRUE : FALSE;
    HWND next = GetNextDlgTabItem(container, window, backwards);
    if (next == nullptr) {
        return;
    }
    // An existing window: no fallback to an element that is still being created.
    if (GUIElement* target = FindExactHandle(next)) {
        target->Focus();
    }
}

void RouteCommand(WPARAM wParam, LPARAM lParam) {
    WORD code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr) {
        if (code != 0) {
            return; // an accelerator: none are used
        }
        SubMenu* entry = FindSubMenuById(LOWORD(wParam));
        if (entry == nullptr) {
            return;
        }
        // The handler reads the new state.
        if (entry->checkable) {
            entry->checked = !entry->IsChecked();
            if (entry->created) {
                entry->ApplyCheck();
            }
        }
        if (entry->onClick != nullptr) {
            entry->onClick(entry);
        }
        return;
    }
    // Every notification of a command control runs its handler; the code is not examined.
    GUIElement* element = FindExactHandle(control);
    CommandElement* command = dynamic_cast<CommandElement*>(element);
    if (command != nullptr && command->onClick != nullptr) {
        command->onClick(element);
    }
}

void Activate(Form* form, HWND window) {
    if (GetForegroundWindow() != window) {
        form->OnDeactivate();
        return;
    }
    if (activeForm != nullptr) {
        activeForm->OnDeactivate();
    }
    form->OnActivate();
    activeForm = form;
    Form* dialog = form->dialogForm;
    if (dialog != nullptr && dialog->created && form->handle != nullptr) {
        SetWindowPos(dialog->handle, form->handle, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    }
}

// Answers WM_SETCURSOR: true when a cursor of the element's own was set.
bool SetElementCursor(GUIElement* element) {
    if (element->IsHandCursor()) {
        SetCursor(handCursor);
        return true;
    }
    if (element->IsBusyCursor()) {
        SetCursor(waitCursor);
        return true;
    }
    return false;
}

// The tracked window's WM_MOUSELEAVE can still reach this procedure. A window destroyed, or
// handed back to its own procedure, while tracked never reports here, and without this check
// no window would be tracked again for the rest of the run.
bool TrackedWindowReportsHere() {
    return trackedWindow != nullptr && IsWindow(trackedWindow) &&
           GetWindowLongPtrW(trackedWindow, GWLP_WNDPROC) ==
               reinterpret_cast<LONG_PTR>(&FrameworkWindowProc);
}

void TrackMouse(HWND window) {
    TRACKMOUSEEVENT request = {};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_HOVER | TME_LEAVE;
    request.hwndTrack = window;
    request.dwHoverTime = HOVER_DEFAULT;
    mouseTracking = TrackMouseEvent(&request) != FALSE;
    trackedWindow = mouseTracking ? window : nullptr;
}

} // namespace

Form* ActiveForm() {
    return activeForm;
}

void ForgetActiveForm(const Form* form) {
    if (activeForm == form) {
        activeForm = nullptr;
    }
}

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GUIElement* element = FindByHandle(window);
    // Taken now: a handler may delete the element, but the default processing still
    // belongs to this window's own procedure.
    WNDPROC previous = element != nullptr ? element->previousWindowProc : nullptr;
    if (waitCursor == nullptr) {
        waitCursor = LoadCursorW(nullptr, IDC_WAIT);
    }
    if (handCursor == nullptr) {
        handCursor = LoadCursorW(nullptr, IDC_HAND);
    }

    switch (message) {
    case WM_CREATE:
        if (Form* form = dynamic_cast<Form*>(element)) {
            form->OnCreated(window);
        }
        break;
    case WM_DESTROY:
        if (element != nullptr) {
            element->OnDestroy();
            if (element == activeForm) {
                activeForm = nullptr;
            }
        }
        if (window == mainWindow) {
            PostQuitMessage(0);
        }
        break;
    case WM_MOVE:
        if (element != nullptr) {
            element->OnMove();
        }
        break;
    case WM_SIZE:
        if (element != nullptr) {
            element->OnResize();
        }
        break;
    case WM_ACTIVATE:
        if (Form* form = dynamic_cast<Form*>(element)) {
            Activate(form, window);
        }
        break;
    case WM_SETFOCUS:
        if (element != nullptr) {
            element->OnFocus();
        }
        break;
    case WM_KILLFOCUS:
        if (element != nullptr) {
            element->OnBlur();
        }
        break;
    case WM_PAINT:
        if (element != nullptr) {
            element->OnPaint();
        }
        break;
    case WM_CLOSE:
        if (element != nullptr && !element->OnClose()) {
            return 1; // the window stays
        }
        break;
    case WM_SHOWWINDOW:
        if (element != nullptr) {
            element->OnShow();
            element->OnResize();
        }
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && element != nullptr && SetElementCursor(element)) {
            return TRUE;
        }
        break;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item != nullptr && item->CtlType == ODT_BUTTON) {
            GUIElement* control = FindById(static_cast<int>(wParam));
            if (control != nullptr && control->OnDrawItem(*item)) {
                return TRUE;
            }
        }
        break;
    }
    case WM_KEYDOWN:
        if (element != nullptr) {
            if (wParam == VK_TAB) {
                TabToNextControl(element, window);
            }
            element->OnKeyDown(static_cast<int>(wParam));
        }
        break;
    case WM_KEYUP:
        if (element != nullptr) {
            element->OnKeyUp(static_cast<int>(wParam));
        }
        break;
    case WM_CHAR:
        if (element != nullptr && !element->OnKeyPress(static_cast<int>(wParam))) {
            return 1; // swallowed: the control never sees it
        }
        break;
    case WM_COMMAND:
        RouteCommand(wParam, lParam);
        break;
    case WM_TIMER:
        if (GUIElement* timer = FindById(static_cast<int>(wParam))) {
            timer->OnTimerTick();
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        // The element is the parent (a form or a panel) asked on its control's behalf.
        if (element != nullptr) {
            HBRUSH brush = element->OnControlColor(reinterpret_cast<HDC>(wParam));
            if (brush != nullptr) {
                return reinterpret_cast<LRESULT>(brush);
            }
        }
        break;
    case WM_MOUSEMOVE:
        if (element != nullptr) {
            element->OnMouseMove(MouseX(lParam), MouseY(lParam));
            if (mouseTracking && window != trackedWindow && !TrackedWindowReportsHere()) {
                mouseTracking = false;
            }
            if (!mouseTracking) {
                TrackMouse(element->handle);
            }
        }
        break;
    case WM_LBUTTONDOWN:
        if (element != nullptr) {
            element->OnMouseDown(MouseX(lParam), MouseY(lParam));
        }
        break;
    case WM_LBUTTONUP:
        if (element != nullptr) {
            element->OnMouseUp(MouseX(lParam), MouseY(lParam));
        }
        break;
    case WM_LBUTTONDBLCLK:
        if (element != nullptr) {
            element->OnDoubleClick(MouseX(lParam), MouseY(lParam));
        }
        break;
    case WM_RBUTTONDOWN:
        if (element != nullptr) {
            element->OnRightMouseDown(MouseX(lParam), MouseY(lParam));
        }
        break;
    case WM_RBUTTONUP:
        if (element != nullptr) {
            element->OnRightMouseUp(MouseX(lParam), MouseY(lParam));
        }
        break;
    case WM_RBUTTONDBLCLK:
        if (element != nullptr) {
            element->OnRightDoubleClick(MouseX(lParam), MouseY(lParam));
        }
        break;
    case WM_MOUSEHOVER:
        if (element != nullptr) {
            element->OnMouseHover();
        }
        break;
    case WM_MOUSELEAVE:
        mouseTracking = false;
        trackedWindow = nullptr;
        if (element != nullptr) {
            element->OnMouseLeave();
        }
        break;
    default:
        break;
    }

    if (previous != nullptr) {
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace OrvoUtility
