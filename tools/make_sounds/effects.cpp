#include "effects.h"

#include "synth.h"

using synth::Tone;
using synth::Wave;

namespace {

// A burst of noise over the start of the sound: cracks, thuds, swishes.
void AddNoise(std::vector<float>& buffer, double length, double volume, double attack = Tone().attack,
              double release = Tone().release) {
    Tone noise;
    noise.length = length;
    noise.wave = Wave::Noise;
    noise.volume = volume;
    noise.attack = attack;
    noise.release = release;
    synth::Add(buffer, noise);
}

// One gliding tone filling the whole sound.
std::vector<float> Glide(double seconds, double fromHz, double toHz, Wave wave, double volume) {
    std::vector<float> buffer = synth::Silence(seconds);
    Tone tone;
    tone.length = seconds;
    tone.fromHz = fromHz;
    tone.toHz = toHz;
    tone.wave = wave;
    tone.volume = volume;
    tone.release = seconds / 3;
    synth::Add(buffer, tone);
    return buffer;
}

// Quick notes one after another.
std::vector<float> Arpeggio(const std::vector<int>& midis, double step, Wave wave) {
    std::vector<float> buffer = synth::Silence(step * static_cast<double>(midis.size()) + 0.1);
    std::vector<synth::Note> notes;
    for (int midi : midis) notes.push_back({midi, 1});
    synth::AddMelody(buffer, notes, 0, step, wave, 0.3);
    return buffer;
}

std::vector<float> Finished(std::vector<float> buffer) {
    synth::Normalise(buffer, 0.8f);
    return buffer;
}

}  // namespace

std::vector<float> MenuMove() { return Finished(Glide(0.06, 880, 880, Wave::Square, 0.3)); }

std::vector<float> MenuConfirm() { return Finished(Arpeggio({76, 84}, 0.07, Wave::Square)); }

std::vector<float> Jump() { return Finished(Glide(0.18, 300, 750, Wave::Square, 0.3)); }

std::vector<float> AttackHit() {
    std::vector<float> buffer = Glide(0.15, 160, 60, Wave::Sine, 0.6);
    AddNoise(buffer, 0.08, 0.5, Tone().attack, 0.06);
    return Finished(buffer);
}

std::vector<float> SkillLady() { return Finished(Arpeggio({84, 88, 91, 96, 91, 96}, 0.045, Wave::Triangle)); }

std::vector<float> SkillBoxer() {
    std::vector<float> buffer = Glide(0.3, 110, 40, Wave::Square, 0.4);
    AddNoise(buffer, 0.12, 0.3);
    return Finished(buffer);
}

std::vector<float> SkillNinja() {
    std::vector<float> buffer = Glide(0.25, 1200, 2400, Wave::Sine, 0.2);
    AddNoise(buffer, 0.25, 0.35, 0.08, 0.15);
    return Finished(buffer);
}

std::vector<float> BallGrab() { return Finished(Glide(0.08, 500, 1000, Wave::Triangle, 0.4)); }

std::vector<float> BallThrow() {
    std::vector<float> buffer = Glide(0.22, 900, 250, Wave::Triangle, 0.3);
    AddNoise(buffer, 0.22, 0.15, 0.05, 0.15);
    return Finished(buffer);
}

std::vector<float> Respawn() { return Finished(Arpeggio({60, 64, 67, 72, 76, 79, 84}, 0.05, Wave::Square)); }

std::vector<float> SceneChange() { return Finished(Glide(0.4, 200, 1600, Wave::Triangle, 0.3)); }
