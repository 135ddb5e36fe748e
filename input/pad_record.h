#pragma once

#include <cstdint>

#include "input/controls.h"
#include "platform/pads.h"

// Dead zones and the trigger threshold, on the raw pad values: a value counts only above them.
constexpr int kLeftStickDeadZone = 7849;
constexpr int kRightStickDeadZone = 8689;
constexpr int kTriggerThreshold = 30;

// Both motor speeds of a pad.
struct PadVibration {
    uint16_t leftMotorSpeed = 0;
    uint16_t rightMotorSpeed = 0;
};

// One player's gamepad as the game sees it: the state of the last two polls and the rumble it
// was last asked for.
class XInput {
public:
    explicit XInput(int userIndex) : userIndex(userIndex) {}

    // Asks the platform now; the record is left as it is.
    bool IsConnected() const;
    // Both motors at `speed` until changed.
    void Vibrate(uint16_t speed);
    void SetVibration(uint16_t left, uint16_t right);

    // Moves the last poll to `previous` and reads the pad into `current`.
    void Poll();
    // Forgets both polls, so a pad that went away reports nothing held and sticks at rest.
    void ClearState();

    // 11/12: that stick beyond its dead zone; 9/10: that trigger above the threshold; any
    // other value, or an analog test that fails: a button of the mask held over both polls.
    bool IsButtonHeld(uint16_t value) const;
    // A button of the mask up in the poll before and down in the last one.
    bool IsButtonTriggered(uint16_t mask) const;
    // The stick's axes divided by 1000 toward zero, 0 inside the dead zone.
    void GetStickAxes(int& x, int& y, STICK stick) const;
    bool IsStickUp(STICK stick) const;
    bool IsStickDown(STICK stick) const;
    bool IsStickLeft(STICK stick) const;
    bool IsStickRight(STICK stick) const;
    // No stick beyond its dead zone and no trigger above the threshold.
    bool IsAnalogNeutral() const;
    bool IsTriggerDown(uint16_t triggerValue) const;

    platform::PadState previous;
    platform::PadState current;
    PadVibration vibration;
    int userIndex = 0;

private:
    // The stick's raw axes and dead zone; false for a stick that does not exist.
    bool Stick(STICK stick, int& x, int& y, int& deadZone) const;
};
