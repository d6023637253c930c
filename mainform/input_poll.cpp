// Keyboard and joystick polling for the game's player steps.
#include "mainform/input_poll.h"

#include <limits>

#include "game/input.h"

namespace MyGame {

const InputDevices& systemInputDevices() {
    static const InputDevices devices;
    return devices;
}

int findJoystick(const InputDevices& devices) {
    const UINT count = devices.JoyNumDevs();
    if (count == 0)
        return -1;
    JOYINFO info0 = {};
    JOYINFO info1 = {};
    const MMRESULT r0 = devices.JoyGetPos(0, &info0);
    const MMRESULT r1 = devices.JoyGetPos(1, &info1);
    if (r0 == JOYERR_NOERROR)
        return 0;
    if (count >= 2 && r1 == JOYERR_NOERROR)
        return 1;
    return -1;
}

int mapJoystickAxis(UINT pos, UINT min, UINT max) {
    // Sum and span in unsigned 32-bit arithmetic, as the driver reports them.
    const UINT sum = min + max;
    const UINT span = max - min;
    if (span == 0)
        return 0;
    const double value = (static_cast<double>(pos) - static_cast<double>(sum) * 0.5) * 200.0 /
                         static_cast<double>(span);
    // A driver may report a position far outside a tiny range; such a value cannot become
    // an int, so it is held at the int limits (still a full push in its direction).
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value); // truncates toward zero
}

bool readJoystick(const InputDevices& devices, JoystickState& state) {
    state.pos = JOYINFO{};
    if (devices.JoyGetPos(static_cast<UINT>(state.id), &state.pos) != JOYERR_NOERROR)
        return false;
    // The axis fields carry signed values from here on, stored in their unsigned fields.
    state.pos.wXpos =
        static_cast<UINT>(mapJoystickAxis(state.pos.wXpos, state.caps.wXmin, state.caps.wXmax));
    state.pos.wYpos =
        static_cast<UINT>(mapJoystickAxis(state.pos.wYpos, state.caps.wYmin, state.caps.wYmax));
    state.pos.wZpos =
        static_cast<UINT>(mapJoystickAxis(state.pos.wZpos, state.caps.wZmin, state.caps.wZmax));
    return true;
}

namespace {

int axis(UINT field) {
    return static_cast<int>(field);
}

enum class Stick { Left, Up, Right, Down, Button };

bool stickHolds(Stick s, const JOYINFO& pos) {
    switch (s) {
    case Stick::Left:
        return axis(pos.wXpos) < 0;
    case Stick::Up:
        return axis(pos.wYpos) < 0;
    case Stick::Right:
        return axis(pos.wXpos) > 0;
    case Stick::Down:
        return axis(pos.wYpos) > 0;
    case Stick::Button:
        return pos.wButtons != 0;
    }
    return false;
}

} // namespace

int pollInput(HWND window, bool joystickEnabled, const InputDevices& devices) {
    JoystickState state;
    if (joystickEnabled) {
        const int id = findJoystick(devices);
        if (id != -1) {
            state.id = id;
            state.usable = devices.JoyGetDevCaps(static_cast<UINT>(id), &state.caps,
                                                 sizeof(JOYCAPSW)) == JOYERR_NOERROR;
        }
    }
    // Each test asks for the foreground window and, when needed, a fresh joystick reading.
    auto held = [&](int key, Stick stick) {
        if (devices.ForegroundWindow() == window && (devices.KeyState(key) & 0x8000) != 0)
            return true;
        return state.usable && readJoystick(devices, state) && stickHolds(stick, state.pos);
    };
    int result = InputNone;
    if (held(VK_LEFT, Stick::Left))
        result = InputLeft;
    if (held(VK_UP, Stick::Up))
        result = InputUp;
    if (held(VK_RIGHT, Stick::Right))
        result = InputRight;
    if (held(VK_DOWN, Stick::Down))
        result = InputDown;
    if (held(VK_LCONTROL, Stick::Button))
        return InputFire;
    return result;
}

} // namespace MyGame
