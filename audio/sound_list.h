#pragma once

#include <string>
#include <vector>

#include "audio/sound.h"
#include "core/json.h"

// One entry of "Resources/sfx/sounds.json".
struct SoundEntry {
    std::string name;
    SoundType type = SFX;
    bool loop = false;
    std::string path;
};

// Reads the list's entries by position: name, type ("BGM" exactly, else an effect), loop
// (only the literal true loops) and path; the keys are the writer's business. An entry that is
// not an object of those four is skipped with one line naming `file`; the result is then false,
// so the caller knows that writing the list back would lose it.
bool ReadSoundList(const json::Value& root, const std::string& file, std::vector<SoundEntry>& entries);

// Fills `document` with the layout the game writes at exit: "Sound File 0", "Sound File 1"...
// in the order given, each holding "Name", "Type", "Loop" and "Path".
void WriteSoundList(const std::vector<SoundEntry>& entries, json::Document& document);
