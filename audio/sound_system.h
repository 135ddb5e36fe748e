#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "audio/sound_list.h"
#include "core/data_problems.h"
#include "core/json_file.h"

// Named music and effects in two groups, music (BGM) and effects (SFX). It starts on first use:
// it opens the sound device with 32 channels, loads every sound of "Resources/sfx/sounds.json"
// and writes that list back as read. The game's shut-down (Shutdown) writes the list again in
// the game's own layout and releases every sound, while the device is still there.
class SoundSystem {
public:
    static constexpr const char* kListPath = "Resources/sfx/sounds.json";
    static constexpr int kChannels = 32;

    // Starts the system on first use, and again after the sound device it started on is gone.
    static SoundSystem& GetInstance();
    // The exit: rewrites the sound list, releases every sound and closes the device. Nothing
    // when the system never started.
    static void Shutdown();
    // Releases everything without writing, so the next use starts afresh.
    static void Discard();

    // All operations take a name; a name not in the list does nothing. Failures print one line.
    void Play(const std::string& name);
    void Stop(const std::string& name);
    void SetPaused(const std::string& name, bool paused);
    // Playing and not paused by name.
    bool IsPlaying(const std::string& name);
    // Both groups.
    void SetVolume(float volume);
    void SetGroupVolume(platform::SoundGroup group, float volume);
    void StopAll();
    // Pauses both groups when `paused` or the game's pause flag is set.
    void PauseAll(bool paused);
    // The per-frame update of the sound device.
    void Update();

    const std::map<std::string, Sound>& Sounds() const { return sounds_; }

private:
    SoundSystem() = default;
    static SoundSystem& Instance();

    void Start();
    void LoadSounds(const std::vector<SoundEntry>& entries);
    void WriteListAtExit();
    void Finish(bool writeList);
    bool DeviceOpen() const;
    // The device the system started on while it is open, else a silent stand-in.
    platform::SoundDevice& Output() const;
    bool Resume(Sound& sound);
    Sound* Find(const std::string& name);

    JsonFile file_;
    bool started_ = false;
    // False after a failed read or a skipped entry: writing the list back would lose data.
    bool listIntact_ = false;
    uint64_t session_ = 0;
    std::map<std::string, Sound> sounds_;
    // A graph may ask for a sound every frame: each sound's failing to play is told once.
    DataProblems::Once playFailuresTold_;
};
