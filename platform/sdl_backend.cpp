#include <SDL.h>

#include <cstdio>
#include <memory>

#include "platform/platform.h"
#include "platform/sdl_display.h"
#include "platform/sdl_events.h"
#include "platform/sdl_pads.h"
#include "platform/sdl_session.h"
#include "platform/steady_clock.h"
#include "platform/tracked_keyboard_mouse.h"
#include "platform/x11_display_loss.h"

namespace platform {
namespace {

class SdlBackend : public Backend {
public:
    SdlBackend()
        // SDL turns SIGINT and SIGTERM into SDL_QUIT, which is how Ctrl+C and a service
        // stop reach the game as an ordinary Quit; make sure no earlier hint turned that off.
        : video_(SDL_INIT_VIDEO | SDL_INIT_EVENTS, {{SDL_HINT_NO_SIGNAL_HANDLERS, "0"}}) {
        if (!video_.Ok()) {
            std::printf("Platform: SDL could not start: %s\n", video_.Error().c_str());
            std::fflush(stdout);
            return;
        }
        EndTheGameWhenTheXServerGoes();
    }

    ~SdlBackend() override {
        display_.Close();  // the context must go before SDL video does
    }

    Display& GetDisplay() override { return display_; }
    EventSource& GetEvents() override { return events_; }
    KeyboardMouse& GetKeyboardMouse() override { return input_; }
    Clock& GetClock() override { return clock_; }
    Pads& GetPads() override { return *pads_; }
    SoundDevice& GetSound() override { return *sound_; }

private:
    // Declared first so they are released last.
    SdlSession video_;
    std::unique_ptr<Pads> pads_ = CreateSdlPads();

    SdlDisplay display_;
    TrackedKeyboardMouse input_;
    SdlEventSource events_{input_};
    SteadyClock clock_;
    // Opened by the sound system when it starts; closed before the SDL sessions end.
    std::unique_ptr<SoundDevice> sound_ = CreateMixerSoundDevice();
};

}  // namespace

std::unique_ptr<Backend> CreateSdlBackend() {
    return std::make_unique<SdlBackend>();
}

}  // namespace platform
