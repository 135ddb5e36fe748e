#include "audio/sound_system.h"

#include <cstdio>

#include "flow/game_state_manager.h"
#include "platform/platform.h"

using platform::SoundGroup;

namespace {

platform::SoundDevice& Device() { return platform::Current().GetSound(); }

void Report(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

SoundGroup GroupOf(const Sound& sound) { return sound.type == BGM ? SoundGroup::Music : SoundGroup::Effects; }

}  // namespace

SoundSystem& SoundSystem::Instance() {
    static SoundSystem instance;
    return instance;
}

SoundSystem& SoundSystem::GetInstance() {
    SoundSystem& self = Instance();
    // Sound ids and channels live in the device: when the device it started on has gone (the
    // platform was replaced), they mean nothing any more.
    if (self.started_ && self.session_ != 0 && Device().Session() != self.session_) {
        self.sounds_.clear();
        self.started_ = false;
    }
    if (!self.started_) self.Start();
    return self;
}

void SoundSystem::Shutdown() { Instance().Finish(true); }

void SoundSystem::Discard() { Instance().Finish(false); }

void SoundSystem::Start() {
    started_ = true;
    session_ = 0;
    sounds_.clear();
    const platform::OpenResult opened = Device().Open(kChannels);
    if (opened == platform::OpenResult::Opened) {
        session_ = Device().Session();
    } else {
        // SDL's audio not starting is one line, the mixer on it failing another.
        Report(opened == platform::OpenResult::AudioFailed ? "Sound System fails to create."
                                                           : "Sound System fails to initialize.");
        std::printf("Sound output: %s\n", Device().LastError().c_str());
    }
    listIntact_ = file_.Read(kListPath);
    if (!listIntact_) return;
    std::vector<SoundEntry> entries;
    listIntact_ = ReadSoundList(file_.Doc(), kListPath, entries);
    LoadSounds(entries);
    if (listIntact_) file_.Write(kListPath);
}

void SoundSystem::LoadSounds(const std::vector<SoundEntry>& entries) {
    for (const SoundEntry& entry : entries) {
        auto existing = sounds_.find(entry.name);
        if (existing != sounds_.end()) {
            std::printf("%s: sound \"%s\" is listed twice; the later entry is used\n", kListPath, entry.name.c_str());
            if (existing->second.sound >= 0 && DeviceOpen()) Device().Release(existing->second.sound);
        }
        Sound sound;
        sound.type = entry.type;
        sound.isLoop = entry.loop;
        sound.path = entry.path;
        if (DeviceOpen()) {
            sound.sound = Device().Load(entry.path, entry.loop);
            if (sound.sound < 0) {
                std::printf("%s: sound \"%s\" cannot be loaded from \"%s\": %s\n", kListPath, entry.name.c_str(),
                            entry.path.c_str(), Device().LastError().c_str());
            }
        }
        sounds_[entry.name] = sound;
    }
}

void SoundSystem::WriteListAtExit() {
    if (!listIntact_) return;
    // Read again, so a list that someone broke while the game ran is left for them to mend.
    if (!file_.Read(kListPath)) return;
    std::vector<SoundEntry> entries;
    for (const auto& [name, sound] : sounds_) entries.push_back({name, sound.type, sound.isLoop, sound.path});
    WriteSoundList(entries, file_.Doc());
    file_.Write(kListPath);
}

void SoundSystem::Finish(bool writeList) {
    if (!started_) return;
    if (writeList) WriteListAtExit();
    if (DeviceOpen()) {
        for (auto& [name, sound] : sounds_) {
            if (sound.sound >= 0 && !Device().Release(sound.sound)) Report("Sound fails to release.");
        }
        Device().Close();
    }
    sounds_.clear();
    started_ = false;
    listIntact_ = false;
    session_ = 0;
}

bool SoundSystem::DeviceOpen() const { return session_ != 0 && Device().Session() == session_; }

Sound* SoundSystem::Find(const std::string& name) {
    auto it = sounds_.find(name);
    return it == sounds_.end() ? nullptr : &it->second;
}

bool SoundSystem::Resume(Sound& sound) {
    if (!Device().SetPaused(sound.channel, false)) return false;
    sound.isPaused = false;
    return true;
}

// Without an open device every per-sound operation does nothing and says nothing: the failure
// to start was told once, and graphs ask for their music every frame.
void SoundSystem::Play(const std::string& name) {
    if (GameStateManager::isPaused || !DeviceOpen()) return;
    Sound* sound = Find(name);
    if (!sound) return;
    if (sound->isPaused) {
        if (Resume(*sound)) return;
        // The paused play was stopped or its channel went to another sound: nothing is left
        // to resume, so this play starts it afresh.
        sound->isPaused = false;
    }
    platform::ChannelHandle started;
    if (!Device().Play(sound->sound, GroupOf(*sound), started)) {
        if (!sound->playFailureTold) Report("Fail to play sound. ");
        sound->playFailureTold = true;
        return;
    }
    sound->channel = started;
}

void SoundSystem::Stop(const std::string& name) {
    if (!DeviceOpen()) return;
    Sound* sound = Find(name);
    if (!sound) return;
    if (!sound->channel.Names() || !Device().Stop(sound->channel)) Report("Fail to stop sound.");
}

void SoundSystem::SetPaused(const std::string& name, bool paused) {
    if (!DeviceOpen()) return;
    Sound* sound = Find(name);
    if (!sound) return;
    // A sound never played has nothing to pause; marking it would turn its first Play into a
    // resume of nothing.
    if (!sound->channel.Names()) {
        Report("Fail to pause/unpause sound.");
        return;
    }
    if (!Device().SetPaused(sound->channel, paused)) Report("Fail to pause/unpause sound.");
    sound->isPaused = paused;
}

bool SoundSystem::IsPlaying(const std::string& name) {
    Sound* sound = Find(name);
    if (!sound) return false;
    if (sound->channel.Names()) sound->isPlaying = Device().IsPlaying(sound->channel);
    return sound->isPlaying && !sound->isPaused;
}

// Without an open device the group operations do nothing as well: the main loop pauses and
// resumes the groups every frame.
void SoundSystem::SetGroupVolume(SoundGroup group, float volume) {
    if (!DeviceOpen()) return;
    if (!Device().SetGroupVolume(group, volume)) {
        Report(group == SoundGroup::Music ? "Fail to set volume of sounds.(BGM)" : "Fail to set volume of sounds.(SFX)");
    }
}

void SoundSystem::SetVolume(float volume) {
    SetGroupVolume(SoundGroup::Music, volume);
    SetGroupVolume(SoundGroup::Effects, volume);
}

void SoundSystem::StopAll() {
    if (!DeviceOpen()) return;
    if (!Device().StopGroup(SoundGroup::Music)) Report("Fail to stop all sounds.(BGM)");
    if (!Device().StopGroup(SoundGroup::Effects)) Report("Fail to stop all sounds.(SFX)");
}

void SoundSystem::PauseAll(bool paused) {
    if (!DeviceOpen()) return;
    const bool pause = paused || GameStateManager::isPaused;
    if (!Device().SetGroupPaused(SoundGroup::Music, pause)) Report("Fail to pause all sounds.(BGM)");
    if (!Device().SetGroupPaused(SoundGroup::Effects, pause)) Report("Fail to pause all sounds.(SFX)");
}

void SoundSystem::Update() {
    if (DeviceOpen()) Device().Update();
}
