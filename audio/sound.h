#pragma once

#include <string>

#include "platform/sound_device.h"

enum SoundType { BGM = 0, SFX = 1 };

// One named sound of the sound list and the latest play of it.
struct Sound {
    int sound = -1;                  // the device's id; -1 when the file could not be loaded
    platform::ChannelHandle channel;  // the latest play; names nothing until the first
    bool isPlaying = false;           // the device's last answer
    bool isPaused = false;
    SoundType type = SFX;
    bool isLoop = false;
    std::string path;
};
