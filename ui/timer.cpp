// Timer: hidden window, starting and stopping the system timer, tick delivery.
#include "ui/timer.h"

namespace OrvoUtility {

Timer::Timer(GUIElement* parentElement, int interval) : intervalMs(interval) {
    text = L"timer";
    width = 50;
    height = 22;
    parent = parentElement;
}

Timer::~Timer() {
    Stop();
}

void Timer::Create() {
    if (created)
        return;
    DWORD style = WS_CHILD; // never visible
    if (!enabled)
        style |= WS_DISABLED;
    CreateControlWindow(L"static", 0, style);
    if (handle != nullptr)
        SubclassControl();
    created = true;
}

void Timer::Start() {
    if (ticking)
        return;
    Create();
    // A timer set on no window would get an identifier of the system's choosing that Stop
    // could not kill; without a parent window the timer runs without events.
    timerWindow = parent != nullptr ? parent->handle : nullptr;
    if (timerWindow != nullptr)
        SetTimer(timerWindow, static_cast<UINT_PTR>(id), static_cast<UINT>(intervalMs), nullptr);
    ticking = true;
}

void Timer::Stop() {
    if (!ticking)
        return;
    if (timerWindow != nullptr)
        KillTimer(timerWindow, static_cast<UINT_PTR>(id));
    timerWindow = nullptr;
    ticking = false;
}

void Timer::OnTimerTick() {
    if (onTick != nullptr)
        onTick(this);
}

} // namespace OrvoUtility
