#pragma once

#include <functional>
#include <string>
#include <vector>

#include "audio/sound_list.h"

// One of the game's sounds: its entry in the sound list and how to make its samples.
struct SoundRecipe {
    SoundEntry entry;      // entry.path is where the game finds the file
    std::string fileName;  // below the sfx folder
    std::function<std::vector<float>()> make;
};

// Every sound the game's graphs play, in ascending name order.
std::vector<SoundRecipe> GameSounds();
