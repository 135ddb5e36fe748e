#pragma once

namespace platform {

// Sound output: 32 channels in two groups (music and effects). Filled in with the sound system.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
};

}  // namespace platform
