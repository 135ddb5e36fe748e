#include "audio/sound_system.h"

SoundSystem& SoundSystem::GetInstance() {
    static SoundSystem instance;
    return instance;
}

// Sound output arrives with the sound device; until then these have nothing to act on.
void SoundSystem::PauseAll(bool) {}
void SoundSystem::StopAll() {}
void SoundSystem::Update() {}
