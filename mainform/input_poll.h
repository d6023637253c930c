// Keyboard and joystick polling: reduces what the player holds to one input code.
#pragma once

#include <windows.h>

#include <mmsystem.h>

namespace MyGame {

// The system calls the poll uses, behind a seam so that tests can feed key states and a
// fake joystick. The real one calls user32 and winmm.
class InputDevices {
  public:
    virtual ~InputDevices() = default;
    virtual HWND ForegroundWindow() const { return GetForegroundWindow(); }
    virtual SHORT KeyState(int key) const { return GetKeyState(key); }
    virtual UINT JoyNumDevs() const { return joyGetNumDevs(); }
    virtual MMRESULT JoyGetPos(UINT id, JOYINFO* info) const { return joyGetPos(id, info); }
    virtual MMRESULT JoyGetDevCaps(UINT id, JOYCAPSW* caps, UINT size) const {
        return joyGetDevCapsW(id, caps, size);
    }
};

// The real keyboard and joystick.
const InputDevices& systemInputDevices();

// What one poll found of the joystick; built afresh by every poll.
struct JoystickState {
    bool usable = false;
    int id = 0;
    JOYINFO pos = {};
    JOYCAPSW caps = {};
};

// The joystick to use: 0 or 1, or -1 for none. Both devices are always asked.
int findJoystick(const InputDevices& devices);
// Reads joystick `state.id`, maps the three axes to -100..100; false when it did not answer.
bool readJoystick(const InputDevices& devices, JoystickState& state);
// Maps one axis reading to -100..100 over the device's range; an empty range reads as 0.
int mapJoystickAxis(UINT pos, UINT min, UINT max);
// One input code (the game's InputNone/Left/Right/Up/Down/Fire values). Keys count only
// while `window` is the foreground window; the joystick only when enabled. With several
// inputs at once the priority is fire, down, right, up, left.
int pollInput(HWND window, bool joystickEnabled, const InputDevices& devices);

} // namespace MyGame
