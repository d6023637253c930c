// The player's input as the rules see it, and where it comes from.
#pragma once

// The one value through which the rules see the keyboard or the joystick.
enum InputCode : int {
    InputLeft = -1,
    InputNone = 0,
    InputRight = 1,
    InputUp = 2,
    InputDown = 3,
    InputFire = 4, // moves nothing
};

// Asked once per player step; the main form polls keys and joystick.
class InputSource {
  public:
    virtual ~InputSource() = default;
    virtual InputCode pollInput() = 0;
};

// Answers every poll with the code it holds: tests and the headless runner.
class HeldInput : public InputSource {
  public:
    InputCode pollInput() override { return code; }
    void hold(InputCode c) { code = c; }

  private:
    InputCode code = InputNone;
};
