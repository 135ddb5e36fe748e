#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// Every channel plays into one of two groups; each group has its own pause and volume.
enum class SoundGroup { Music = 0, Effects = 1 };

// How far opening the device got. SDL's audio output starts first, then the mixer opens on it
// and makes its channels; a device that is already open, asked for no channels, or finds the
// mixer held by another device fails at the mixer step.
enum class OpenResult { Opened, AudioFailed, MixerFailed };

// One play of a sound on one channel. A channel is reused by later plays, so the handle carries
// the generation of the play it names: once the channel has moved on, the handle is stale and
// every call with it fails without touching the newer sound. The default handle names nothing.
struct ChannelHandle {
    int channel = -1;
    uint64_t generation = 0;
    bool Names() const { return channel >= 0 && generation != 0; }
};

// Sound output: loaded sounds played on a fixed number of channels in two groups. A channel is
// paused when its own pause or its group's pause is set. Calls report failure with false and
// leave the reason in LastError(); they never act on "all channels" by accident.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // Starts output with `channels` channels, or says which step failed. Sounds loaded before
    // a Close are gone after it.
    virtual OpenResult Open(int channels) = 0;
    virtual void Close() = 0;
    // A number unique to this opening across the process, 0 while closed: whoever keeps sound
    // ids or handles checks it to learn that the device they were made on is gone.
    virtual uint64_t Session() const = 0;

    // A sound id (0 or more), or -1 when the file cannot be loaded.
    virtual int Load(const std::string& path, bool loop) = 0;
    virtual bool Release(int sound) = 0;

    // Starts the sound on a new channel (taking over the oldest one when all are busy).
    virtual bool Play(int sound, SoundGroup group, ChannelHandle& started) = 0;
    // False for a handle whose play has ended or whose channel moved on.
    virtual bool Stop(const ChannelHandle& channel) = 0;
    virtual bool SetPaused(const ChannelHandle& channel, bool paused) = 0;
    // True while the play is under way, paused or not.
    virtual bool IsPlaying(const ChannelHandle& channel) = 0;
    // The effective pause: the channel's own or its group's.
    virtual bool IsPausedNow(const ChannelHandle& channel) = 0;

    virtual bool SetGroupPaused(SoundGroup group, bool paused) = 0;
    virtual bool SetGroupVolume(SoundGroup group, float volume) = 0;
    virtual bool StopGroup(SoundGroup group) = 0;
    virtual bool GroupPaused(SoundGroup group) const = 0;
    virtual float GroupVolume(SoundGroup group) const = 0;

    // Once per frame.
    virtual void Update() = 0;
    virtual const std::string& LastError() const = 0;
};

// Output through SDL2_mixer; SDL's audio starts at Open and stops at Close.
std::unique_ptr<SoundDevice> CreateMixerSoundDevice();

}  // namespace platform
