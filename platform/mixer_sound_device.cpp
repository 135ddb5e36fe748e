#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/sdl_session.h"
#include "platform/sound_device.h"

namespace platform {
namespace {

constexpr int kRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kChunkFrames = 1024;

// SDL2_mixer's channels are process-wide: only one device may own them at a time.
bool gMixerTaken = false;
uint64_t gLastSession = 0;

bool IsMissing(const std::string& path) {
    std::error_code error;
    return !std::filesystem::exists(path, error) && !error;
}

struct Channel {
    uint64_t generation = 0;  // of the latest play here; 0 before the first
    uint64_t startOrder = 0;  // when that play started, to find the oldest
    SoundGroup group = SoundGroup::Effects;
    bool ownPaused = false;
};

struct Group {
    bool paused = false;
    float volume = 1.0f;
};

class MixerSoundDevice : public SoundDevice {
public:
    ~MixerSoundDevice() override { Close(); }

    OpenResult Open(int channels) override {
        if (session_ != 0) return FailOpen(OpenResult::MixerFailed, "the sound device is already open");
        if (gMixerTaken) return FailOpen(OpenResult::MixerFailed, "another sound device holds the mixer");
        if (channels <= 0) return FailOpen(OpenResult::MixerFailed, "a sound device needs at least one channel");
        audio_ = std::make_unique<SdlSession>(SDL_INIT_AUDIO, SdlSession::Hints{});
        if (!audio_->Ok()) {
            const std::string reason = audio_->Error();
            audio_.reset();
            return FailOpen(OpenResult::AudioFailed, "SDL audio could not start: " + reason);
        }
        if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, kOutputChannels, kChunkFrames) != 0) {
            const std::string reason = Mix_GetError();
            audio_.reset();
            return FailOpen(OpenResult::MixerFailed, "the mixer could not open: " + reason);
        }
        if (Mix_AllocateChannels(channels) != channels) {
            Mix_CloseAudio();
            audio_.reset();
            return FailOpen(OpenResult::MixerFailed, "the mixer could not make its channels");
        }
        gMixerTaken = true;
        channels_.assign(static_cast<size_t>(channels), Channel{});
        groups_ = {};
        session_ = ++gLastSession;
        return OpenResult::Opened;
    }

    void Close() override {
        if (session_ == 0) return;
        for (int c = 0; c < ChannelCount(); ++c) Mix_HaltChannel(c);
        for (Mix_Chunk* chunk : sounds_) {
            if (chunk) Mix_FreeChunk(chunk);
        }
        sounds_.clear();
        loops_.clear();
        channels_.clear();
        Mix_CloseAudio();
        audio_.reset();
        gMixerTaken = false;
        session_ = 0;
    }

    uint64_t Session() const override { return session_; }

    int Load(const std::string& path, bool loop) override {
        if (session_ == 0) return FailId("the sound device is not open");
        // The mixer would only say it was handed no file.
        SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
        if (!file) return FailId(IsMissing(path) ? "the file is missing" : SDL_GetError());
        Mix_Chunk* chunk = Mix_LoadWAV_RW(file, 1);
        if (!chunk) return FailId(Mix_GetError());
        sounds_.push_back(chunk);
        loops_.push_back(loop);
        return static_cast<int>(sounds_.size() - 1);
    }

    bool Release(int sound) override {
        Mix_Chunk* chunk = ChunkOf(sound);
        if (!chunk) return Fail("no such sound");
        for (int c = 0; c < ChannelCount(); ++c) {
            if (Mix_GetChunk(c) == chunk) Mix_HaltChannel(c);
        }
        Mix_FreeChunk(chunk);
        sounds_[static_cast<size_t>(sound)] = nullptr;
        return true;
    }

    bool Play(int sound, SoundGroup group, ChannelHandle& started) override {
        Mix_Chunk* chunk = ChunkOf(sound);
        if (!chunk) return Fail("no such sound");
        const int c = ChannelForNewPlay();
        Channel& channel = channels_[static_cast<size_t>(c)];
        Mix_HaltChannel(c);
        // Silent until its pause and volume are set, so a paused group never leaks a blip.
        Mix_Volume(c, 0);
        if (Mix_PlayChannel(c, chunk, loops_[static_cast<size_t>(sound)] ? -1 : 0) != c) {
            return Fail(Mix_GetError());
        }
        channel.generation = ++playCount_;
        channel.startOrder = playCount_;
        channel.group = group;
        channel.ownPaused = false;
        Apply(c);
        started = {c, channel.generation};
        return true;
    }

    bool Stop(const ChannelHandle& handle) override {
        if (!Live(handle)) return false;
        Mix_HaltChannel(handle.channel);
        return true;
    }

    bool SetPaused(const ChannelHandle& handle, bool paused) override {
        if (!Live(handle)) return false;
        channels_[static_cast<size_t>(handle.channel)].ownPaused = paused;
        Apply(handle.channel);
        return true;
    }

    bool IsPlaying(const ChannelHandle& handle) override { return Live(handle); }

    bool IsPausedNow(const ChannelHandle& handle) override {
        return Live(handle) && Mix_Paused(handle.channel) != 0;
    }

    bool SetGroupPaused(SoundGroup group, bool paused) override {
        if (session_ == 0) return Fail("the sound device is not open");
        GroupOf(group).paused = paused;
        ApplyGroup(group);
        return true;
    }

    bool SetGroupVolume(SoundGroup group, float volume) override {
        if (session_ == 0) return Fail("the sound device is not open");
        if (!std::isfinite(volume)) return Fail("a volume must be a finite number");
        GroupOf(group).volume = volume;
        ApplyGroup(group);
        return true;
    }

    bool StopGroup(SoundGroup group) override {
        if (session_ == 0) return Fail("the sound device is not open");
        for (int c = 0; c < ChannelCount(); ++c) {
            if (channels_[static_cast<size_t>(c)].group == group) Mix_HaltChannel(c);
        }
        return true;
    }

    bool GroupPaused(SoundGroup group) const override { return GroupOf(group).paused; }
    float GroupVolume(SoundGroup group) const override { return GroupOf(group).volume; }

    // SDL2_mixer mixes on its own thread; there is nothing to pump per frame.
    void Update() override {}

    const std::string& LastError() const override { return error_; }

private:
    int ChannelCount() const { return static_cast<int>(channels_.size()); }

    Group& GroupOf(SoundGroup group) { return groups_[static_cast<size_t>(group)]; }
    const Group& GroupOf(SoundGroup group) const { return groups_[static_cast<size_t>(group)]; }

    Mix_Chunk* ChunkOf(int sound) const {
        if (session_ == 0 || sound < 0 || sound >= static_cast<int>(sounds_.size())) return nullptr;
        return sounds_[static_cast<size_t>(sound)];
    }

    // A handle is live while its channel still carries its play. Checking the range first
    // keeps -1 ("every channel" to the mixer) from ever reaching it.
    bool Live(const ChannelHandle& handle) {
        if (session_ == 0) return Fail("the sound device is not open");
        if (!handle.Names() || handle.channel >= ChannelCount()) return Fail("no such channel");
        if (channels_[static_cast<size_t>(handle.channel)].generation != handle.generation) {
            return Fail("the channel has moved on to another sound");
        }
        if (Mix_Playing(handle.channel) == 0) return Fail("the sound has ended");
        return true;
    }

    // The first idle channel, or else the one whose play started longest ago.
    int ChannelForNewPlay() const {
        int oldest = 0;
        for (int c = 0; c < ChannelCount(); ++c) {
            if (Mix_Playing(c) == 0) return c;
            if (channels_[static_cast<size_t>(c)].startOrder < channels_[static_cast<size_t>(oldest)].startOrder) {
                oldest = c;
            }
        }
        return oldest;
    }

    void Apply(int c) {
        const Channel& channel = channels_[static_cast<size_t>(c)];
        const Group& group = GroupOf(channel.group);
        if (channel.ownPaused || group.paused) {
            Mix_Pause(c);
        } else {
            Mix_Resume(c);
        }
        const float level = std::clamp(group.volume, 0.0f, 1.0f);
        Mix_Volume(c, static_cast<int>(std::lround(level * MIX_MAX_VOLUME)));
    }

    void ApplyGroup(SoundGroup group) {
        for (int c = 0; c < ChannelCount(); ++c) {
            const Channel& channel = channels_[static_cast<size_t>(c)];
            if (channel.generation != 0 && channel.group == group) Apply(c);
        }
    }

    bool Fail(const std::string& reason) {
        error_ = reason;
        return false;
    }
    OpenResult FailOpen(OpenResult step, const std::string& reason) {
        error_ = reason;
        return step;
    }
    int FailId(const std::string& reason) {
        error_ = reason;
        return -1;
    }

    std::unique_ptr<SdlSession> audio_;
    uint64_t session_ = 0;
    uint64_t playCount_ = 0;
    std::vector<Channel> channels_;
    std::array<Group, 2> groups_{};
    std::vector<Mix_Chunk*> sounds_;
    std::vector<bool> loops_;
    std::string error_;
};

}  // namespace

std::unique_ptr<SoundDevice> CreateMixerSoundDevice() {
    return std::make_unique<MixerSoundDevice>();
}

}  // namespace platform
