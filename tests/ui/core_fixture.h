// Shared pieces of the framework-core window tests: a message pump, a clean main-window
// state per test, and small stand-in controls built on the framework's own Child steps.
#pragma once

#include "ui/element.h"
#include "ui/form.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace OrvoTest {

// Dispatches every queued message; answers whether a WM_QUIT was among them.
inline bool PumpMessages() {
    bool quit = false;
    MSG message = {};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return quit;
}

// Each test starts with no main window and leaves no WM_QUIT behind for the next one.
class FrameworkTest : public ::testing::Test {
  protected:
    void SetUp() override { OrvoUtility::mainWindow = nullptr; }
    void TearDown() override {
        PumpMessages();
        OrvoUtility::mainWindow = nullptr;
    }
    static HINSTANCE Module() { return GetModuleHandleW(nullptr); }
};

// The element stands at (x, y) with size w x h, as its own properties report.
inline void ExpectPlaced(OrvoUtility::GUIElement& element, int x, int y, int w, int h) {
    POINT at = element.GetLocation();
    SIZE size = element.GetSize();
    EXPECT_EQ(at.x, x);
    EXPECT_EQ(at.y, y);
    EXPECT_EQ(size.cx, w);
    EXPECT_EQ(size.cy, h);
}

// A bare edit control made by the framework's standard control creation.
class TestEdit : public OrvoUtility::Child {
  public:
    explicit TestEdit(OrvoUtility::GUIElement* owner) { parent = owner; }
    void Create() override {
        CreateStandardControl(L"edit", WS_EX_CLIENTEDGE,
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL |
                                  (enabled ? 0 : WS_DISABLED));
    }
};

// A static text that reports mouse clicks (no context menu or capture of its own).
class TestLabel : public OrvoUtility::Child {
  public:
    explicit TestLabel(OrvoUtility::GUIElement* owner) { parent = owner; }
    void Create() override {
        CreateStandardControl(L"static", 0, WS_CHILD | WS_VISIBLE | SS_NOTIFY);
    }
};

// A plain push button that issues commands.
class TestButton : public OrvoUtility::Child, public OrvoUtility::CommandElement {
  public:
    explicit TestButton(OrvoUtility::GUIElement* owner) { parent = owner; }
    void Create() override {
        CreateStandardControl(L"Button", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    }
};

} // namespace OrvoTest
