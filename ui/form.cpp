// Form: window class, styles, creation, sizing and destruction; the release list and the
// message loop.
#include "ui/form.h"

#include "ui/font.h"
#include "ui/window_proc.h"

#include <algorithm>
#include <vector>

namespace OrvoUtility {

HWND mainWindow = nullptr;

namespace {

std::vector<std::unique_ptr<GUIElement>>& ReleaseList() {
    static std::vector<std::unique_ptr<GUIElement>> elements;
    return elements;
}

struct FormStyle {
    DWORD style;
    DWORD exStyle;
};

FormStyle StyleOf(const Form& form) {
    constexpr DWORD captionedBase = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX;
    FormStyle result = {WS_POPUP, 0};
    if (form.captioned) {
        result.style = captionedBase;
        if (form.minimizeBox) {
            result.style |= WS_MINIMIZEBOX;
        }
        if (form.maximizeBox) {
            result.style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
        }
    }
    if (form.toolWindow) {
        // A dialog form never gets a sizing border or a minimize box.
        result.exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
        if (form.topmost) {
            result.exStyle |= WS_EX_TOPMOST;
        }
        result.style = captionedBase;
        if (form.modalFrame) {
            result.style |= DS_MODALFRAME;
        }
    }
    if (!form.maximizeBox) {
        result.style &= ~static_cast<DWORD>(WS_MAXIMIZEBOX);
    }
    if (!form.minimizeBox) {
        result.style &= ~static_cast<DWORD>(WS_MINIMIZEBOX);
    }
    if (!form.enabled) {
        result.style |= WS_DISABLED;
    }
    return result;
}

} // namespace

Form::Form(HINSTANCE moduleInstance, FormKind kind)
    : GUIElement(moduleInstance), toolWindow(kind == FormKind::Dialog) {}

Form::~Form() {
    CloseAndDestroy();
    ForgetActiveForm(this);
    // Each form has a class of its own; unregistering it also frees its background brush.
    if (classRegistered) {
        UnregisterClassW(className.c_str(), instance);
    }
}

void Form::CloseAndDestroy() {
    if (!created || handle == nullptr) {
        return;
    }
    SendMessageW(handle, WM_CLOSE, 0, 0);
    created = false;
    if (IsWindow(handle)) {
        DestroyWindow(handle);
    }
}

void Form::Create() {
    if (created) {
        return;
    }
    className = L"Window" + std::to_wstring(IdCounterValue());
    id = TakeNextId();

    windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = &FrameworkWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = iconResourceId == 0 ? LoadIconW(nullptr, IDI_APPLICATION)
                                            : LoadIconW(instance, MAKEINTRESOURCEW(iconResourceId));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground =
        backColor == NoColor ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor);
    windowClass.lpszClassName = className.c_str();
    classRegistered = RegisterClassW(&windowClass) != 0;
    if (!classRegistered && backColor != NoColor && windowClass.hbrBackground != nullptr) {
        DeleteObject(windowClass.hbrBackground); // no class took the brush
    }

    FormStyle style = StyleOf(*this);
    // Messages sent inside this call already reach this form (the registry's fallback), and
    // WM_CREATE stores the handle and runs onCreate.
    handle = CreateWindowExW(style.exStyle, className.c_str(), text.c_str(), style.style, left, top,
                             width, height, nullptr, nullptr, instance, nullptr);
    if (mainWindow == nullptr) {
        mainWindow = handle;
    }
    OnCreated(handle);
    ShowWindow(handle, SW_SHOW);
    UpdateWindow(handle);
    created = true;
    if (font != nullptr && handle != nullptr) {
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetHandle()), TRUE);
    }
}

void Form::SetIcon(unsigned short resourceId) {
    iconResourceId = resourceId;
    if (!HasWindow()) {
        return;
    }
    // LoadIconW hands out a shared icon that the system releases; it must not be destroyed.
    iconHandle = LoadIconW(instance, MAKEINTRESOURCEW(resourceId));
    if (iconHandle != nullptr) {
        SendMessageW(handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconHandle));
    }
}

void Form::SetClientSize(int clientWidth, int clientHeight) {
    if (!HasWindow()) {
        return;
    }
    RECT outer = {};
    RECT inner = {};
    GetWindowRect(handle, &outer);
    GetClientRect(handle, &inner);
    width = outer.right - outer.left;
    height = outer.bottom - outer.top;
    int frameWidth = std::max(0, width - static_cast<int>(inner.right - inner.left));
    int frameHeight = std::max(0, height - static_cast<int>(inner.bottom - inner.top));
    GetLocation();
    SetSize(clientWidth + frameWidth, clientHeight + frameHeight);
}

void Form::CenterOnScreen() {
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    GetSize();
    left = (screenWidth - width) / 2;
    top = (screenHeight - height) / 2;
    if (HasWindow()) {
        SetWindowPos(handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOSIZE);
        Refresh();
    }
}

void ReleaseLater(GUIElement* element) {
    if (element != nullptr) {
        ReleaseList().emplace_back(element);
    }
}

void FreeReleaseList() {
    // A destructor may put more elements on the list; take them in rounds until none are left.
    while (!ReleaseList().empty()) {
        std::vector<std::unique_ptr<GUIElement>> round;
        round.swap(ReleaseList());
        for (std::unique_ptr<GUIElement>& element : round) {
            element.reset();
        }
    }
}

void RunMessageLoop(Form*) {
    MSG message = {};
    // GetMessageW answers -1 on failure; treating that as the end avoids a busy loop.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    FreeReleaseList();
}

} // namespace OrvoUtility
