#include "platform/sdl_pads.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "platform/pad_slots.h"
#include "platform/sdl_session.h"

namespace platform {
namespace {

// SDL rumble stops by itself after the duration it was given; renewing it well before then
// makes it last until the game changes it.
constexpr uint32_t kRumbleMs = 2000;
constexpr uint64_t kRumbleRenewMs = 1000;

constexpr std::pair<SDL_GameControllerButton, uint16_t> kButtonBits[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, kPadDpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kPadDpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kPadDpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kPadDpadRight},
    {SDL_CONTROLLER_BUTTON_START, kPadStart},
    {SDL_CONTROLLER_BUTTON_BACK, kPadBack},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, kPadLeftThumb},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, kPadRightThumb},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, kPadLeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, kPadRightShoulder},
    {SDL_CONTROLLER_BUTTON_A, kPadA},
    {SDL_CONTROLLER_BUTTON_B, kPadB},
    {SDL_CONTROLLER_BUTTON_X, kPadX},
    {SDL_CONTROLLER_BUTTON_Y, kPadY},
};

// SDL triggers run 0..32767; ours 0..255.
uint8_t TriggerByte(int16_t axis) { return static_cast<uint8_t>(std::max<int>(axis, 0) >> 7); }

// SDL's y grows downwards; ours grows upwards. -(-32768) does not fit, so it is clamped.
int16_t UpwardAxis(int16_t axis) { return static_cast<int16_t>(std::min<int>(-static_cast<int>(axis), 32767)); }

// The model, and the serial number when the pad reports one: enough to know a pad again.
std::string Identity(SDL_GameController* pad) {
    char guid[33] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(SDL_GameControllerGetJoystick(pad)), guid, sizeof(guid));
    const char* serial = SDL_GameControllerGetSerial(pad);
    return std::string(guid) + "/" + (serial != nullptr ? serial : "");
}

// Every pad SDL knows as a game controller, in player slots, with hot-plug. Each query first
// catches up with SDL: pads that left free their slot, new pads are opened, and rumble that
// is still wanted is renewed (SDL rumble runs for a set time; ours lasts until changed).
class SdlPads : public Pads {
public:
    SdlPads();
    ~SdlPads() override;
    SdlPads(const SdlPads&) = delete;
    SdlPads& operator=(const SdlPads&) = delete;

    bool GetState(int player, PadState& out) override;
    bool SetVibration(int player, uint16_t left, uint16_t right) override;

private:
    struct Seat {
        SDL_GameController* pad = nullptr;
        SDL_JoystickID instance = -1;
        uint16_t left = 0;
        uint16_t right = 0;
        uint64_t rumbleSentAt = 0;
    };

    void CatchUp();
    void DropDeparted();
    void OpenArrivals();
    void RenewRumble();
    bool SendRumble(Seat& seat);

    SdlSession session_;
    PadSlots slots_;
    std::array<Seat, kMaxPads> seats_;
    // Devices already looked at, so each catch-up only opens what is new.
    std::set<SDL_JoystickID> known_;
    uint32_t packet_ = 0;  // counts reads; nothing relies on its value
};


}  // namespace

// The game-controller subsystem brings joysticks and events with it. Pads are optional: a
// machine without joystick support still plays by keyboard.
SdlPads::SdlPads() : session_(SDL_INIT_GAMECONTROLLER, {}) {}

SdlPads::~SdlPads() {
    for (Seat& seat : seats_) {
        if (seat.pad == nullptr) continue;
        SDL_GameControllerRumble(seat.pad, 0, 0, 0);
        SDL_GameControllerClose(seat.pad);
    }
}

void SdlPads::CatchUp() {
    if (!session_.Ok()) return;
    SDL_GameControllerUpdate();
    DropDeparted();
    OpenArrivals();
    RenewRumble();
}

void SdlPads::DropDeparted() {
    for (int slot = 0; slot < kMaxPads; ++slot) {
        Seat& seat = seats_[static_cast<size_t>(slot)];
        if (seat.pad == nullptr || SDL_GameControllerGetAttached(seat.pad)) continue;
        SDL_GameControllerClose(seat.pad);
        known_.erase(seat.instance);
        seat = Seat{};  // a pad plugged in later starts still
        slots_.Release(slot);
    }
}

void SdlPads::OpenArrivals() {
    const int count = SDL_NumJoysticks();
    for (int device = 0; device < count; ++device) {
        const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(device);
        if (instance < 0 || known_.count(instance) != 0) continue;
        if (!SDL_IsGameController(device)) {
            known_.insert(instance);  // a joystick SDL has no pad layout for
            continue;
        }
        if (std::none_of(seats_.begin(), seats_.end(), [](const Seat& s) { return s.pad == nullptr; })) return;
        SDL_GameController* pad = SDL_GameControllerOpen(device);
        if (pad == nullptr) continue;  // tried again at the next catch-up
        const int slot = slots_.Claim(Identity(pad));
        if (slot < 0) {
            SDL_GameControllerClose(pad);
            return;
        }
        seats_[static_cast<size_t>(slot)] = Seat{pad, instance, 0, 0, 0};
        known_.insert(instance);
    }
}

bool SdlPads::SendRumble(Seat& seat) {
    seat.rumbleSentAt = SDL_GetTicks64();
    return SDL_GameControllerRumble(seat.pad, seat.left, seat.right, kRumbleMs) == 0;
}

void SdlPads::RenewRumble() {
    const uint64_t now = SDL_GetTicks64();
    for (Seat& seat : seats_) {
        if (seat.pad == nullptr || (seat.left == 0 && seat.right == 0)) continue;
        if (now - seat.rumbleSentAt >= kRumbleRenewMs) SendRumble(seat);
    }
}

bool SdlPads::GetState(int player, PadState& out) {
    out = PadState{};
    CatchUp();
    if (player < 0 || player >= kMaxPads || seats_[static_cast<size_t>(player)].pad == nullptr) return false;
    SDL_GameController* pad = seats_[static_cast<size_t>(player)].pad;
    for (const auto& [button, bit] : kButtonBits) {
        if (SDL_GameControllerGetButton(pad, button)) out.buttons |= bit;
    }
    out.leftTrigger = TriggerByte(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    out.rightTrigger = TriggerByte(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    out.thumbLX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    out.thumbLY = UpwardAxis(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
    out.thumbRX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX);
    out.thumbRY = UpwardAxis(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTY));
    out.packet = ++packet_;
    return true;
}

bool SdlPads::SetVibration(int player, uint16_t left, uint16_t right) {
    CatchUp();
    if (player < 0 || player >= kMaxPads || seats_[static_cast<size_t>(player)].pad == nullptr) return false;
    Seat& seat = seats_[static_cast<size_t>(player)];
    seat.left = left;
    seat.right = right;
    // A pad without motors still counts as there; it just cannot be felt.
    SendRumble(seat);
    return true;
}

std::unique_ptr<Pads> CreateSdlPads() { return std::make_unique<SdlPads>(); }

}  // namespace platform
