// The SDL pad backend against SDL's virtual game controllers: what a real pad's buttons,
// triggers and sticks turn into, hot-plugging, and rumble.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "platform/sdl_pads.h"

namespace platform {
namespace {

// Rumble requests that reached each virtual pad, by vendor id.
std::vector<std::pair<uint16_t, uint16_t>>& RumbleLog() {
    static std::vector<std::pair<uint16_t, uint16_t>> log;
    return log;
}

using Rumble = std::pair<uint16_t, uint16_t>;

int RecordRumble(void*, Uint16 low, Uint16 high) {
    RumbleLog().emplace_back(low, high);
    return 0;
}

class PlatformPadSdl : public ::testing::Test {
protected:
    void SetUp() override {
        RumbleLog().clear();
        pads_ = CreateSdlPads();
    }
    void TearDown() override {
        for (SDL_Joystick* joystick : opened_) SDL_JoystickClose(joystick);
        for (int instance : attached_) SDL_JoystickDetachVirtual(DeviceOf(instance));
        pads_.reset();
    }

    // A virtual pad that looks like its own model (`vendor`), so pads can be told apart.
    int Attach(uint16_t vendor) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.vendor_id = vendor;
        desc.product_id = 1;
        desc.name = "Bramble test pad";
        desc.Rumble = RecordRumble;
        const int device = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(device, 0) << SDL_GetError();
        const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(device);
        attached_.push_back(instance);
        // Triggers rest at the bottom of the joystick's range, as on real pads.
        SDL_Joystick* joystick = SDL_JoystickFromInstanceID(instance);
        if (joystick == nullptr) joystick = SDL_JoystickOpen(device);
        opened_.push_back(joystick);
        SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
        SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
        return instance;
    }

    void Detach(int instance) {
        SDL_JoystickDetachVirtual(DeviceOf(instance));
        attached_.erase(std::remove(attached_.begin(), attached_.end(), instance), attached_.end());
    }

    static int DeviceOf(int instance) {
        for (int device = 0; device < SDL_NumJoysticks(); ++device) {
            if (SDL_JoystickGetDeviceInstanceID(device) == instance) return device;
        }
        return -1;
    }

    static SDL_Joystick* Joystick(int instance) { return SDL_JoystickFromInstanceID(instance); }

    // The slot each pad plays in, found by pressing its A button.
    int SlotOf(int instance) {
        SDL_JoystickSetVirtualButton(Joystick(instance), SDL_CONTROLLER_BUTTON_A, 1);
        int found = -1;
        for (int slot = 0; slot < kMaxPads; ++slot) {
            PadState state;
            if (pads_->GetState(slot, state) && (state.buttons & kPadA) != 0) found = slot;
        }
        SDL_JoystickSetVirtualButton(Joystick(instance), SDL_CONTROLLER_BUTTON_A, 0);
        return found;
    }

    std::unique_ptr<Pads> pads_;
    std::vector<int> attached_;
    std::vector<SDL_Joystick*> opened_;
};

TEST_F(PlatformPadSdl, ButtonsTriggersAndSticksFillThePadRecordWithYUp) {
    const int pad = Attach(0x1001);
    PadState state;
    ASSERT_TRUE(pads_->GetState(0, state));
    EXPECT_EQ(0, state.buttons);
    EXPECT_EQ(0, state.leftTrigger);
    EXPECT_EQ(0, state.thumbLY);

    const std::vector<std::pair<SDL_GameControllerButton, uint16_t>> buttons = {
        {SDL_CONTROLLER_BUTTON_A, kPadA},          {SDL_CONTROLLER_BUTTON_B, kPadB},
        {SDL_CONTROLLER_BUTTON_X, kPadX},          {SDL_CONTROLLER_BUTTON_Y, kPadY},
        {SDL_CONTROLLER_BUTTON_BACK, kPadBack},    {SDL_CONTROLLER_BUTTON_START, kPadStart},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, kPadDpadUp}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kPadDpadRight},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, kPadLeftShoulder}, {SDL_CONTROLLER_BUTTON_RIGHTSTICK, kPadRightThumb},
    };
    for (const auto& [button, bit] : buttons) {
        SCOPED_TRACE(SDL_GameControllerGetStringForButton(button));
        SDL_JoystickSetVirtualButton(Joystick(pad), button, 1);
        ASSERT_TRUE(pads_->GetState(0, state));
        EXPECT_EQ(bit, state.buttons);
        SDL_JoystickSetVirtualButton(Joystick(pad), button, 0);
    }

    SDL_JoystickSetVirtualAxis(Joystick(pad), SDL_CONTROLLER_AXIS_LEFTY, -20000);  // SDL: pushed up
    SDL_JoystickSetVirtualAxis(Joystick(pad), SDL_CONTROLLER_AXIS_RIGHTY, -32768);
    SDL_JoystickSetVirtualAxis(Joystick(pad), SDL_CONTROLLER_AXIS_LEFTX, 12345);
    SDL_JoystickSetVirtualAxis(Joystick(pad), SDL_CONTROLLER_AXIS_RIGHTX, -32768);
    SDL_JoystickSetVirtualAxis(Joystick(pad), SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    ASSERT_TRUE(pads_->GetState(0, state));
    EXPECT_EQ(20000, state.thumbLY);
    EXPECT_EQ(32767, state.thumbRY) << "the full upward push still fits";
    EXPECT_EQ(12345, state.thumbLX);
    EXPECT_EQ(-32768, state.thumbRX);
    EXPECT_EQ(255, state.rightTrigger);
    EXPECT_EQ(0, state.leftTrigger);
    SDL_JoystickSetVirtualAxis(Joystick(pad), SDL_CONTROLLER_AXIS_LEFTY, 32767);  // SDL: pulled down
    ASSERT_TRUE(pads_->GetState(0, state));
    EXPECT_EQ(-32767, state.thumbLY);
}

TEST_F(PlatformPadSdl, PadsTakeTheLowestFreeSlotAndAReturningPadGetsItsOwnBack) {
    const int red = Attach(0x2001);
    const int blue = Attach(0x2002);
    const int green = Attach(0x2003);
    EXPECT_EQ(0, SlotOf(red));
    EXPECT_EQ(1, SlotOf(blue));
    EXPECT_EQ(2, SlotOf(green));
    PadState state;
    EXPECT_FALSE(pads_->GetState(3, state));

    Detach(red);
    Detach(blue);
    EXPECT_FALSE(pads_->GetState(0, state));
    EXPECT_FALSE(pads_->GetState(1, state));
    EXPECT_EQ(PadState{}.buttons, state.buttons);

    const int blueAgain = Attach(0x2002);
    EXPECT_EQ(1, SlotOf(blueAgain)) << "its own slot, not the lowest free one";
    const int gold = Attach(0x2004);
    EXPECT_EQ(0, SlotOf(gold));
    EXPECT_EQ(2, SlotOf(green)) << "nobody else moved";
    EXPECT_FALSE(pads_->GetState(7, state));
    EXPECT_FALSE(pads_->GetState(-1, state));
}

TEST_F(PlatformPadSdl, RumbleLastsUntilItIsChangedAndAPadThatLeftStartsStill) {
    const int pad = Attach(0x3001);
    PadState state;
    ASSERT_TRUE(pads_->GetState(0, state));
    EXPECT_TRUE(pads_->SetVibration(0, 1000, 2000));
    pads_->GetState(0, state);
    ASSERT_FALSE(RumbleLog().empty());
    EXPECT_EQ(Rumble(1000, 2000), RumbleLog().back());

    // Beyond SDL's own rumble duration the pad must still be rumbling.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(2300);
    while (std::chrono::steady_clock::now() < end) {
        pads_->GetState(0, state);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    for (const auto& request : RumbleLog()) EXPECT_EQ(1000, request.first) << "rumble ran out";

    EXPECT_TRUE(pads_->SetVibration(0, 0, 0));
    pads_->GetState(0, state);
    EXPECT_EQ(Rumble(0, 0), RumbleLog().back());
    EXPECT_FALSE(pads_->SetVibration(1, 500, 500)) << "no pad in that slot";

    pads_->SetVibration(0, 700, 700);
    Detach(pad);
    EXPECT_FALSE(pads_->GetState(0, state));
    RumbleLog().clear();
    Attach(0x3001);
    ASSERT_TRUE(pads_->GetState(0, state));
    for (const auto& request : RumbleLog()) EXPECT_EQ(0, request.first);
}

}  // namespace
}  // namespace platform
