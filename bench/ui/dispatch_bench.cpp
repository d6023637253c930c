// Measures the framework window procedure: one message's registry lookup and dispatch with
// about 250 elements registered, as in the main window (225 board cells plus the rest).
#include "ui/element.h"
#include "ui/form.h"
#include "ui/window_proc.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace OrvoUtility;

namespace {

// A plain static child created and subclassed like every standard control.
class BenchCell : public Child {
  public:
    explicit BenchCell(GUIElement* owner) { parent = owner; }
    void Create() override { CreateStandardControl(L"static", 0, WS_CHILD | WS_VISIBLE); }
};

// Runs `call` n times and prints the mean time of one call in nanoseconds.
template <typename Call> void Measure(const char* what, int n, Call call) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) {
        call();
    }
    auto elapsed = std::chrono::steady_clock::now() - start;
    double ns = std::chrono::duration<double, std::nano>(elapsed).count() / n;
    std::printf("%-58s %9.1f ns\n", what, ns);
}

} // namespace

int main() {
    const int elementCount = 250;
    const int rounds = 200000;

    Form form(GetModuleHandleW(nullptr));
    form.SetSize(700, 560);
    form.Create();
    std::vector<std::unique_ptr<BenchCell>> cells;
    for (int i = 1; i < elementCount; ++i) { // the form is the first element
        auto cell = std::make_unique<BenchCell>(&form);
        cell->SetSize(27, 27);
        cell->SetLocation(20 + 27 * (i % 15), 72 + 27 * (i / 15 % 15));
        cell->Create();
        cells.push_back(std::move(cell));
    }
    HWND first = form.handle;
    HWND last = cells.back()->handle;
    const int lastId = cells.back()->id;
    std::printf("elements registered: %zu\n", RegisteredElements().size());

    // WM_USER + 1 is handled by no element: lookup plus default processing only.
    const UINT unhandled = WM_USER + 1;
    Measure("FindByHandle, first element", rounds, [&] { (void)FindByHandle(first); });
    Measure("FindByHandle, last element", rounds, [&] { (void)FindByHandle(last); });
    Measure("FindById, last element", rounds, [&] { (void)FindById(lastId); });
    Measure("FrameworkWindowProc direct, last control, unhandled", rounds,
            [&] { FrameworkWindowProc(last, unhandled, 0, 0); });
    Measure("SendMessageW, last control, unhandled", rounds,
            [&] { SendMessageW(last, unhandled, 0, 0); });
    Measure("SendMessageW, form, WM_TIMER for the last id", rounds,
            [&] { SendMessageW(first, WM_TIMER, static_cast<WPARAM>(lastId), 0); });
    Measure("SendMessageW, last control, WM_MOUSEMOVE", rounds / 10,
            [&] { SendMessageW(last, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4)); });

    // Baseline: the same control without the framework in between.
    WNDPROC own = cells.back()->previousWindowProc;
    Measure("CallWindowProcW to the control's own procedure", rounds,
            [&] { CallWindowProcW(own, last, unhandled, 0, 0); });
    return 0;
}
