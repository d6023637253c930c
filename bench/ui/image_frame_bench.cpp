// Measures one repaint of a 27 x 27 ImageFrame among the 225 board views of a main window,
// opaque and black-keyed, and the bare copy it is built on.
#include "ui/draw/drawing.h"
#include "ui/draw/gdi_scope.h"
#include "ui/draw/image_frame.h"
#include "ui/form.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

using namespace OrvoUtility;

namespace {

constexpr int kTile = 27;
constexpr int kTiles = 21;

// A 567 x 27 tile sheet like the game's: each tile a colour with a black frame.
HBITMAP MakeTileSheet() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kTile * kTiles;
    info.bmiHeader.biHeight = -kTile;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP sheet = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile * kTiles; ++x) {
            const int t = x / kTile;
            const bool edge = x % kTile == 0 || y == 0 || x % kTile == kTile - 1 || y == kTile - 1;
            pixels[y * kTile * kTiles + x] = edge ? 0 : 0x00102030u * static_cast<unsigned>(t + 1);
        }
    return sheet;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A child window outside the framework that only validates its paint: Wine's own cost of
// one child repaint, the floor under every figure above it.
LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeBareChild(HWND parent) {
    WNDCLASSW bare{};
    bare.lpfnWndProc = BareProc;
    bare.hInstance = GetModuleHandleW(nullptr);
    bare.lpszClassName = L"BenchBareChild";
    RegisterClassW(&bare);
    return CreateWindowExW(0, bare.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, kTile, kTile,
                           parent, nullptr, bare.hInstance, nullptr);
}

// Runs `call` n times and prints the mean time of one call in microseconds.
template <typename Call> void Measure(const char* what, int n, Call call) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i)
        call(i);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const double us = std::chrono::duration<double, std::micro>(elapsed).count() / n;
    std::printf("%-60s %9.2f us\n", what, us);
}

} // namespace

int main() {
    const int rounds = 20000;
    HBITMAP sheet = MakeTileSheet();

    Form form(GetModuleHandleW(nullptr));
    form.text = L"ImageFrame bench";
    form.Create();
    form.SetClientSize(640, 480);
    std::vector<std::unique_ptr<ImageFrame>> views;
    for (int i = 0; i < 225; ++i) {
        auto view = std::make_unique<ImageFrame>(&form, sheet, i % kTiles);
        view->transparent = false;
        view->SetBackColor(RGB(0, 0, 0));
        view->SetSize(kTile, kTile);
        view->SetLocation(20 + kTile * (i % 15), 72 + kTile * (i / 15));
        view->Create();
        views.push_back(std::move(view));
    }
    Pump();
    const int liveBefore = LiveGdiObjects();

    ImageFrame& last = *views.back(); // the costliest registry lookup
    Measure("ImageFrame repaint 27x27, opaque (SetFrame + UpdateWindow)", rounds, [&](int i) {
        last.SetFrame(i % kTiles);
        UpdateWindow(last.handle);
    });
    last.transparent = true;
    Measure("ImageFrame repaint 27x27, keyed (SetFrame + UpdateWindow)", rounds, [&](int i) {
        last.SetFrame(i % kTiles);
        UpdateWindow(last.handle);
    });
    last.transparent = false;
    HWND bare = MakeBareChild(form.handle);
    Measure("bare child window repaint 27x27, no drawing (Wine's floor)", rounds, [&](int) {
        InvalidateRect(bare, nullptr, TRUE);
        UpdateWindow(bare);
    });
    DestroyWindow(bare);
    Measure("whole board, 225 views (SetFrame each + one update)", rounds / 100, [&](int i) {
        for (auto& view : views)
            view->SetFrame((i + view->id) % kTiles);
        RedrawWindow(form.handle, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    });

    // The copies alone, on a memory context, without windows or messages.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, kTile, kTile);
    HGDIOBJ previous = SelectObject(memory, target);
    Drawing drawing(nullptr);
    drawing.Borrow(memory);
    Measure("Drawing::PaintBitmapPart 27x27 on a memory context", rounds, [&](int i) {
        drawing.PaintBitmapPart(0, 0, kTile, kTile, sheet, kTile * (i % kTiles), 0);
    });
    Measure("Drawing::PaintBitmapPartKeyed 27x27 on a memory context", rounds, [&](int i) {
        drawing.PaintBitmapPartKeyed(0, 0, kTile, kTile, sheet, kTile * (i % kTiles), 0);
    });
    drawing.End();
    SelectObject(memory, previous);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    std::printf("%-60s %9d\n", "GDI objects of the drawing layer, growth over the run",
                LiveGdiObjects() - liveBefore);
    views.clear();
    DeleteObject(sheet);
    return 0;
}
