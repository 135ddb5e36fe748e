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

// Takes the system's calls while no sound device is open: each succeeds and does nothing, so
// the system plays on in silence and says nothing more. The failure to open was told once at
// start-up, and graphs ask for their music, and the main loop for the groups, every frame.
class SilentDevice : public platform::SoundDevice {
public:
    platform::OpenResult Open(int) override { return platform::OpenResult::AudioFailed; }
    void Close() override {}
    uint64_t Session() const override { return 0; }
    int Load(const std::string&, bool) override { return 0; }
    bool Release(int) override { return true; }
    bool Play(int, SoundGroup, platform::ChannelHandle&) override { return true; }
    bool Stop(const platform::ChannelHandle&) override { return true; }
    bool SetPaused(const platform::ChannelHandle&, bool) override { return true; }
    bool IsPlaying(const platform::ChannelHandle&) override { return false; }
    bool IsPausedNow(const platform::ChannelHandle&) override { return false; }
    bool SetGroupPaused(SoundGroup, bool) override { return true; }
    bool SetGroupVolume(SoundGroup, float) override { return true; }
    bool StopGroup(SoundGroup) override { return true; }
    bool GroupPaused(SoundGroup) const override { return false; }
    float GroupVolume(SoundGroup) const override { return 1.0f; }
    void Update() override {}
    const std::string& LastError() const override { return none_; }

private:
    std::string none_;
};

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
    playFailuresTold_.Forget();
    // A new start tells again what is wrong with the list.
    file_ = JsonFile();
    const platform::OpenResult opened = Device().Open(kChannels);
    if (opened == platform::OpenResult::Opened) {
        session_ = Device().Session();
    } else {
        // SDL's audio not starting is one line, the mixer on it failing another.
        Report(opened == platform::OpenResult::AudioFailed ? "Sound System fails to create."
                                                           : "Sound System fails to initialize.");
        std::printf("Sound output: %s\n", Device().LastError().c_str());
    }
    listIntact_ = file_.Read(kListPath, IfMissing::kCreateEmpty);
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
            if (existing->second.sound >= 0) Output().Release(existing->second.sound);
        }
        Sound sound;
        sound.type = entry.type;
        sound.isLoop = entry.loop;
        sound.path = entry.path;
        sound.sound = Output().Load(entry.path, entry.loop);
        if (sound.sound < 0) {
            std::printf("%s: sound \"%s\" cannot be loaded from \"%s\": %s\n", kListPath, entry.name.c_str(),
                        entry.path.c_str(), Output().LastError().c_str());
        }
        sounds_[entry.name] = sound;
    }
}

void SoundSystem::WriteListAtExit() {
    if (!listIntact_) return;
    // Read again, so a list that someone broke while the game ran is left for them to mend.
    if (!file_.Read(kListPath, IfMissing::kCreateEmpty)) return;
    std::vector<SoundEntry> entries;
    for (const auto& [name, sound] : sounds_) entries.push_back({name, sound.type, sound.isLoop, sound.path});
    WriteSoundList(entries, file_.Doc());
    file_.Write(kListPath);
}

void SoundSystem::Finish(bool writeList) {
    if (!started_) return;
    if (writeList) WriteListAtExit();
    for (auto& [name, sound] : sounds_) {
        if (sound.sound >= 0 && !Output().Release(sound.sound)) Report("Sound fails to release.");
    }
    Output().Close();
    sounds_.clear();
    playFailuresTold_.Forget();
    started_ = false;
    listIntact_ = false;
    session_ = 0;
}

bool SoundSystem::DeviceOpen() const { return session_ != 0 && Device().Session() == session_; }

platform::SoundDevice& SoundSystem::Output() const {
    static SilentDevice silent;
    return DeviceOpen() ? Device() : silent;
}

Sound* SoundSystem::Find(const std::string& name) {
    auto it = sounds_.find(name);
    return it == sounds_.end() ? nullptr : &it->second;
}

bool SoundSystem::Resume(Sound& sound) {
    if (!Output().SetPaused(sound.channel, false)) return false;
    sound.isPaused = false;
    return true;
}

void SoundSystem::Play(const std::string& name) {
    if (GameStateManager::isPaused) return;
    Sound* sound = Find(name);
    if (!sound) return;
    if (sound->isPaused) {
        if (Resume(*sound)) return;
        // The paused play was stopped or its channel went to another sound: nothing is left
        // to resume, so this play starts it afresh.
        sound->isPaused = false;
    }
    platform::ChannelHandle started;
    if (!Output().Play(sound->sound, GroupOf(*sound), started)) {
        playFailuresTold_.Report(name, "Fail to play sound. \"%s\"", name.c_str());
        return;
    }
    sound->channel = started;
}

void SoundSystem::Stop(const std::string& name) {
    Sound* sound = Find(name);
    if (sound && !Output().Stop(sound->channel)) Report("Fail to stop sound.");
}

void SoundSystem::SetPaused(const std::string& name, bool paused) {
    Sound* sound = Find(name);
    if (!sound) return;
    // A play that was never made, or is over, has nothing to pause; marking the sound would
    // turn its next Play into a resume of nothing.
    if (!Output().SetPaused(sound->channel, paused)) {
        Report("Fail to pause/unpause sound.");
        return;
    }
    sound->isPaused = paused;
}

bool SoundSystem::IsPlaying(const std::string& name) {
    Sound* sound = Find(name);
    if (!sound) return false;
    if (sound->channel.Names()) sound->isPlaying = Output().IsPlaying(sound->channel);
    return sound->isPlaying && !sound->isPaused;
}

void SoundSystem::SetGroupVolume(SoundGroup group, float volume) {
    if (!Output().SetGroupVolume(group, volume)) {
        Report(group == SoundGroup::Music ? "Fail to set volume of sounds.(BGM)" : "Fail to set volume of sounds.(SFX)");
    }
}

void SoundSystem::SetVolume(float volume) {
    SetGroupVolume(SoundGroup::Music, volume);
    SetGroupVolume(SoundGroup::Effects, volume);
}

void SoundSystem::StopAll() {
    if (!Output().StopGroup(SoundGroup::Music)) Report("Fail to stop all sounds.(BGM)");
    if (!Output().StopGroup(SoundGroup::Effects)) Report("Fail to stop all sounds.(SFX)");
}

void SoundSystem::PauseAll(bool paused) {
    const bool pause = paused || GameStateManager::isPaused;
    if (!Output().SetGroupPaused(SoundGroup::Music, pause)) Report("Fail to pause all sounds.(BGM)");
    if (!Output().SetGroupPaused(SoundGroup::Effects, pause)) Report("Fail to pause all sounds.(SFX)");
}

void SoundSystem::Update() { Output().Update(); }
