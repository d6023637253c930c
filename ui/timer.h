// Timer: a periodic callback through WM_TIMER on the parent's window.
#pragma once

#include "ui/element.h"

namespace OrvoUtility {

// The system timer is set on the parent's window under this element's identifier; the window
// procedure finds the timer by that identifier and calls OnTimerTick. The timer's own
// hidden window only gives it a place among the parent's children.
class Timer : public Child {
  public:
    Timer(GUIElement* parentElement, int interval);
    // Stops the system timer first, so no tick arrives for a deleted element.
    ~Timer() override;

    void Create() override;
    // Sets the system timer once (creating the hidden window on first use); a second Start
    // does nothing.
    void Start();
    // Kills the system timer; nothing when stopped.
    void Stop();
    void OnTimerTick() override;

    bool ticking = false;
    int intervalMs;
    EventHandler onTick = nullptr;

  private:
    // Window the system timer was set on; killing it later needs no parent element, which
    // may already be gone when the timer is deleted.
    HWND timerWindow = nullptr;
};

} // namespace OrvoUtility
