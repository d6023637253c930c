// Input polling with fake key states and a fake joystick.
#include "mainform/input_poll.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <vector>

#include "game/input.h"

namespace {

using MyGame::InputDevices;

// Keys held, the foreground window, and up to two joysticks that answer or not.
class FakeDevices : public InputDevices {
  public:
    HWND foreground = nullptr;
    std::map<int, bool> keys;
    UINT numDevs = 0;
    bool answers[2] = {false, false};
    JOYINFO pos[2] = {};
    JOYCAPSW caps = {};
    bool capsFail = false;
    mutable int joyCalls = 0;

    HWND ForegroundWindow() const override { return foreground; }
    SHORT KeyState(int key) const override {
        auto it = keys.find(key);
        return it != keys.end() && it->second ? static_cast<SHORT>(0x8000) : 0;
    }
    UINT JoyNumDevs() const override {
        ++joyCalls;
        return numDevs;
    }
    MMRESULT JoyGetPos(UINT id, JOYINFO* info) const override {
        ++joyCalls;
        if (id > 1 || !answers[id])
            return JOYERR_PARMS;
        *info = pos[id];
        return JOYERR_NOERROR;
    }
    MMRESULT JoyGetDevCaps(UINT, JOYCAPSW* out, UINT) const override {
        ++joyCalls;
        if (capsFail)
            return JOYERR_PARMS;
        *out = caps;
        return JOYERR_NOERROR;
    }

    // A 0..65535 stick on device `id`, centred, answering.
    void plugStick(UINT id) {
        numDevs = 16;
        answers[id] = true;
        caps.wXmin = caps.wYmin = caps.wZmin = 0;
        caps.wXmax = caps.wYmax = caps.wZmax = 65535;
        pos[id].wXpos = pos[id].wYpos = pos[id].wZpos = 32767;
    }
};

HWND const kWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));

TEST(InputPoll, KeyPriorityWhenSeveralAreHeld) {
    struct Case {
        std::vector<int> keys;
        int expected;
    };
    const Case cases[] = {
        {{}, InputNone},
        {{VK_LEFT}, InputLeft},
        {{VK_LEFT, VK_UP}, InputUp},
        {{VK_UP, VK_DOWN}, InputDown},
        {{VK_RIGHT, VK_LEFT}, InputRight},
        {{VK_LCONTROL, VK_RIGHT}, InputFire},
        {{VK_RCONTROL}, InputNone},
        {{VK_RCONTROL, VK_DOWN}, InputDown},
    };
    for (const Case& c : cases) {
        FakeDevices dev;
        dev.foreground = kWindow;
        for (int k : c.keys)
            dev.keys[k] = true;
        EXPECT_EQ(MyGame::pollInput(kWindow, false, dev), c.expected)
            << "first key " << (c.keys.empty() ? 0 : c.keys[0]);
    }
}

TEST(InputPoll, KeysCountOnlyInTheForegroundButTheJoystickStillSteers) {
    FakeDevices dev;
    dev.foreground = nullptr; // another program is in front
    dev.keys[VK_RIGHT] = true;
    EXPECT_EQ(MyGame::pollInput(kWindow, false, dev), InputNone);

    dev.plugStick(0);
    dev.pos[0].wYpos = 0; // pushed up
    EXPECT_EQ(MyGame::pollInput(kWindow, true, dev), InputUp);
}

TEST(InputPoll, JoystickOffCallsNoJoystickFunction) {
    FakeDevices dev;
    dev.plugStick(0);
    dev.foreground = kWindow;
    MyGame::pollInput(kWindow, false, dev);
    EXPECT_EQ(dev.joyCalls, 0);
}

TEST(InputPoll, JoystickButtonFiresAndDirectionsMap) {
    FakeDevices dev;
    dev.plugStick(0);
    dev.pos[0].wXpos = 65535;
    EXPECT_EQ(MyGame::pollInput(kWindow, true, dev), InputRight);
    dev.pos[0].wYpos = 65535;
    EXPECT_EQ(MyGame::pollInput(kWindow, true, dev), InputDown);
    dev.pos[0].wButtons = 1;
    EXPECT_EQ(MyGame::pollInput(kWindow, true, dev), InputFire);
    dev.capsFail = true; // capabilities unreadable: the joystick is ignored
    EXPECT_EQ(MyGame::pollInput(kWindow, true, dev), InputNone);
}

TEST(InputPoll, FindJoystickPrefersTheFirstAndNeedsTwoDevicesForTheSecond) {
    FakeDevices dev;
    EXPECT_EQ(MyGame::findJoystick(dev), -1); // no driver devices
    dev.plugStick(1);
    dev.numDevs = 2;
    EXPECT_EQ(MyGame::findJoystick(dev), 1);
    dev.numDevs = 1;
    EXPECT_EQ(MyGame::findJoystick(dev), -1);
    dev.plugStick(0);
    EXPECT_EQ(MyGame::findJoystick(dev), 0);
}

TEST(InputPoll, AxisMappingOverTheDeviceRange) {
    struct Case {
        UINT pos, min, max;
        int expected;
    };
    const Case cases[] = {
        {32767, 0, 65535, 0},
        {0, 0, 65535, -100},
        {65535, 0, 65535, 100},
        {500, 500, 500, 0},
        {33000, 0, 65535, 0},
        {33100, 0, 65535, 1},
        {100, 0, 200, 0},
        {0, 0, 200, -100},
        {150, 100, 200, 0},
        // Readings far outside a one-step range stay pushes in their own direction.
        {0xFFFFFFFFu, 0, 1, INT_MAX},
        {0, 0xFFFFFFFEu, 0xFFFFFFFFu, INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MyGame::mapJoystickAxis(c.pos, c.min, c.max), c.expected)
            << c.pos << " in " << c.min << ".." << c.max;
}

} // namespace
