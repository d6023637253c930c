// Helpers of the control and drawing tests: a host form, message pumping and pixel reading.
#pragma once

#include "ui/form.h"

#include <windows.h>

#include <cstdint>
#include <memory>

namespace controls_test {

// Dispatches every queued message, then returns.
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Pumps messages until `done` answers true or `timeoutMs` has passed; answers `done`.
template <typename Done> bool PumpUntil(Done done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

// A 32-bit top-down memory bitmap selected into a memory context: a surface to draw on and
// read back pixel by pixel.
class Canvas {
  public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        Unselect();
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    // Takes the bitmap out of the canvas's context, so that code under test can select it
    // (a bitmap can be selected into one context at a time); pixels stay readable.
    void Unselect() {
        if (previous_ != nullptr)
            SelectObject(dc_, previous_);
        previous_ = nullptr;
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }

    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    void Set(int x, int y, COLORREF c) {
        GdiFlush();
        bits_[y * width_ + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    void Fill(COLORREF c) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                Set(x, y, c);
    }
    // Smallest rectangle holding every pixel that differs from `background`; empty (all
    // zero) when there is none.
    RECT BoundsNot(COLORREF background) const {
        return BoundsWhere([background](COLORREF c) { return c != background; });
    }
    // Smallest rectangle holding every pixel of exactly colour `c`; empty when none.
    RECT BoundsOf(COLORREF colour) const {
        return BoundsWhere([colour](COLORREF c) { return c == colour; });
    }
    // Smallest rectangle holding every pixel whose colour passes `keep`; empty when none.
    template <typename Keep> RECT BoundsWhere(Keep keep) const {
        RECT r{width_, height_, 0, 0};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (keep(At(x, y))) {
                    r.left = x < r.left ? x : r.left;
                    r.top = y < r.top ? y : r.top;
                    r.right = x + 1 > r.right ? x + 1 : r.right;
                    r.bottom = y + 1 > r.bottom ? y + 1 : r.bottom;
                }
        if (r.right == 0)
            return RECT{0, 0, 0, 0};
        return r;
    }
    int Count(COLORREF c) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                n += At(x, y) == c ? 1 : 0;
        return n;
    }

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    std::uint32_t* bits_ = nullptr;
    HGDIOBJ previous_;
};

// Colour of tile `t` of the test tile sheet. Tiles are 27 x 27 with a black frame and a
// black dot at (5 + t, 9), so every tile differs in colour and in where its black pixels are.
inline COLORREF TileColor(int t) {
    return RGB(10 + 11 * t, 200 - 7 * t, 40 + 9 * t);
}
inline bool TilePixelIsBlack(int t, int x, int y) {
    return x == 0 || y == 0 || x == 26 || y == 26 || (x == 5 + t && y == 9);
}
inline void DrawTileSheet(Canvas& sheet) {
    for (int t = 0; t < sheet.width() / 27; ++t)
        for (int y = 0; y < 27; ++y)
            for (int x = 0; x < 27; ++x)
                sheet.Set(t * 27 + x, y, TilePixelIsBlack(t, x, y) ? RGB(0, 0, 0) : TileColor(t));
}
// Whether `shot` shows tile `t` at (x, y); `blackShowsAs` is what black pixels look like.
inline bool ShowsTile(const Canvas& shot, int x, int y, int t, COLORREF blackShowsAs) {
    for (int ty = 0; ty < 27; ++ty)
        for (int tx = 0; tx < 27; ++tx) {
            const COLORREF want = TilePixelIsBlack(t, tx, ty) ? blackShowsAs : TileColor(t);
            if (shot.At(x + tx, y + ty) != want)
                return false;
        }
    return true;
}

// The client area of a window as it shows on screen now.
inline std::unique_ptr<Canvas> CaptureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    auto canvas = std::make_unique<Canvas>(client.right, client.bottom);
    HDC dc = GetDC(window);
    BitBlt(canvas->dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return canvas;
}

// Host forms are not the program's main window: closing one must not post WM_QUIT.
inline void NotTheMainWindow(const OrvoUtility::Form& form) {
    if (OrvoUtility::mainWindow == form.handle)
        OrvoUtility::mainWindow = nullptr;
}

// A captioned top-level form to host the controls under test, shown at (40, 40).
inline std::unique_ptr<OrvoUtility::Form> MakeHostForm(int clientWidth = 400,
                                                       int clientHeight = 300) {
    auto form = std::make_unique<OrvoUtility::Form>(GetModuleHandleW(nullptr));
    form->text = L"host";
    form->left = 40;
    form->top = 40;
    form->Create();
    NotTheMainWindow(*form);
    form->SetClientSize(clientWidth, clientHeight);
    PumpMessages();
    return form;
}

} // namespace controls_test
