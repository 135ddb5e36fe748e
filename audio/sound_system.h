#pragma once

#include <string>

// Named music and effects in two groups, music and effects. The main loop pauses both groups
// while the window is inactive and follows the game's pause flag otherwise.
class SoundSystem {
public:
    static SoundSystem& GetInstance();

    // Pauses both groups when `paused` or the game's pause flag is set.
    void PauseAll(bool paused);
    void StopAll();
    // The per-frame update of the sound device.
    void Update();
};
