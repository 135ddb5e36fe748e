#include "input/pad_record.h"

#include <cstdlib>

#include "platform/platform.h"

namespace {
bool Beyond(int axis, int deadZone) { return std::abs(axis) > deadZone; }
}  // namespace

bool XInput::IsConnected() const {
    platform::PadState scratch;
    return platform::Current().GetPads().GetState(userIndex, scratch);
}

void XInput::Vibrate(uint16_t speed) { SetVibration(speed, speed); }

void XInput::SetVibration(uint16_t left, uint16_t right) {
    vibration.leftMotorSpeed = left;
    vibration.rightMotorSpeed = right;
    platform::Current().GetPads().SetVibration(userIndex, left, right);
}

void XInput::Poll() {
    previous = current;
    current = platform::PadState{};
    platform::Current().GetPads().GetState(userIndex, current);
}

void XInput::ClearState() {
    previous = platform::PadState{};
    current = platform::PadState{};
    vibration = PadVibration{};
}

bool XInput::Stick(STICK stick, int& x, int& y, int& deadZone) const {
    if (stick == LEFT_STICK) {
        x = current.thumbLX;
        y = current.thumbLY;
        deadZone = kLeftStickDeadZone;
        return true;
    }
    if (stick == RIGHT_STICK) {
        x = current.thumbRX;
        y = current.thumbRY;
        deadZone = kRightStickDeadZone;
        return true;
    }
    return false;
}

bool XInput::IsTriggerDown(uint16_t triggerValue) const {
    const int value = triggerValue == kPadLeftTriggerValue ? current.leftTrigger : current.rightTrigger;
    return value > kTriggerThreshold;
}

bool XInput::IsButtonHeld(uint16_t value) const {
    int x = 0, y = 0, deadZone = 0;
    if (value == kPadLeftStickValue || value == kPadRightStickValue) {
        Stick(value == kPadLeftStickValue ? LEFT_STICK : RIGHT_STICK, x, y, deadZone);
        if (Beyond(x, deadZone) || Beyond(y, deadZone)) return true;
    } else if (value == kPadLeftTriggerValue || value == kPadRightTriggerValue) {
        if (IsTriggerDown(value)) return true;
    }
    return (previous.buttons & value) != 0 && (current.buttons & value) != 0;
}

bool XInput::IsButtonTriggered(uint16_t mask) const {
    return (previous.buttons & mask) == 0 && (current.buttons & mask) != 0;
}

void XInput::GetStickAxes(int& x, int& y, STICK stick) const {
    int rawX = 0, rawY = 0, deadZone = 0;
    x = 0;
    y = 0;
    if (!Stick(stick, rawX, rawY, deadZone)) return;
    // Integer division truncates toward zero, as the force scaling expects.
    if (Beyond(rawX, deadZone)) x = rawX / 1000;
    if (Beyond(rawY, deadZone)) y = rawY / 1000;
}

bool XInput::IsStickUp(STICK stick) const {
    int x = 0, y = 0, deadZone = 0;
    return Stick(stick, x, y, deadZone) && Beyond(y, deadZone) && y > 0;
}

bool XInput::IsStickDown(STICK stick) const {
    int x = 0, y = 0, deadZone = 0;
    return Stick(stick, x, y, deadZone) && Beyond(y, deadZone) && y < 0;
}

bool XInput::IsStickLeft(STICK stick) const {
    int x = 0, y = 0, deadZone = 0;
    return Stick(stick, x, y, deadZone) && Beyond(x, deadZone) && x < 0;
}

bool XInput::IsStickRight(STICK stick) const {
    int x = 0, y = 0, deadZone = 0;
    return Stick(stick, x, y, deadZone) && Beyond(x, deadZone) && x > 0;
}

bool XInput::IsAnalogNeutral() const {
    int x = 0, y = 0, deadZone = 0;
    Stick(LEFT_STICK, x, y, deadZone);
    if (Beyond(x, deadZone) || Beyond(y, deadZone)) return false;
    Stick(RIGHT_STICK, x, y, deadZone);
    if (Beyond(x, deadZone) || Beyond(y, deadZone)) return false;
    return !IsTriggerDown(kPadLeftTriggerValue) && !IsTriggerDown(kPadRightTriggerValue);
}
