// Stand-in game program: a window that shows every picture of the resources and plays the
// sounds on the keys 1, 2 and 3, until the real main window replaces it.
#include "res/resource_ids.h"

#include <windows.h>

#include <mmsystem.h>

namespace {

struct Picture {
    int id;
    int x;
    int y;
    HBITMAP bitmap;
};

struct Pictures {
    Picture items[4] = {{kBitmapTitleLogo, 28, 26, nullptr},
                        {kBitmapAboutLogo, 250, 26, nullptr},
                        {kBitmapTileSheet, 20, 90, nullptr},
                        {kBitmapHelp, 433, 300, nullptr}};
};

HBITMAP LoadPicture(int id) {
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

void DrawPicture(HDC dc, const Picture& p) {
    BITMAP info{};
    if (!p.bitmap || !GetObjectW(p.bitmap, sizeof info, &info))
        return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, p.bitmap);
    BitBlt(dc, p.x, p.y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void PlayResourceSound(int id) {
    PlaySoundW(MAKEINTRESOURCEW(id), GetModuleHandleW(nullptr),
               SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* pictures = reinterpret_cast<Pictures*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_CREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (pictures)
            for (const Picture& p : pictures->items)
                DrawPicture(dc, p);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_CHAR: {
        const int sounds[] = {kSoundKey, kSoundDoor, kSoundCaught};
        if (wParam >= L'1' && wParam <= L'3')
            PlayResourceSound(sounds[wParam - L'1']);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    Pictures pictures;
    for (Picture& p : pictures.items)
        p.bitmap = LoadPicture(p.id);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconMain));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = CreateSolidBrush(RGB(192, 192, 192));
    windowClass.lpszClassName = L"VorbinPlaceholder";
    RegisterClassW(&windowClass);

    RECT frame{0, 0, 640, 480};
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Vorbin", style, 100, 100,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, instance, &pictures);
    ShowWindow(window, show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    for (Picture& p : pictures.items)
        DeleteObject(p.bitmap);
    DeleteObject(windowClass.hbrBackground);
    return 0;
}
