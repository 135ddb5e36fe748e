#include "effects.h"

#include "synth.h"

using synth::Tone;
using synth::Wave;

namespace {

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
    Tone crack;
    crack.length = 0.08;
    crack.wave = Wave::Noise;
    crack.volume = 0.5;
    crack.release = 0.06;
    synth::Add(buffer, crack);
    return Finished(buffer);
}

std::vector<float> SkillLady() { return Finished(Arpeggio({84, 88, 91, 96, 91, 96}, 0.045, Wave::Triangle)); }

std::vector<float> SkillBoxer() {
    std::vector<float> buffer = Glide(0.3, 110, 40, Wave::Square, 0.4);
    Tone thud;
    thud.length = 0.12;
    thud.wave = Wave::Noise;
    thud.volume = 0.3;
    synth::Add(buffer, thud);
    return Finished(buffer);
}

std::vector<float> SkillNinja() {
    std::vector<float> buffer = Glide(0.25, 1200, 2400, Wave::Sine, 0.2);
    Tone swish;
    swish.length = 0.25;
    swish.wave = Wave::Noise;
    swish.volume = 0.35;
    swish.attack = 0.08;
    swish.release = 0.15;
    synth::Add(buffer, swish);
    return Finished(buffer);
}

std::vector<float> BallGrab() { return Finished(Glide(0.08, 500, 1000, Wave::Triangle, 0.4)); }

std::vector<float> BallThrow() {
    std::vector<float> buffer = Glide(0.22, 900, 250, Wave::Triangle, 0.3);
    Tone air;
    air.length = 0.22;
    air.wave = Wave::Noise;
    air.volume = 0.15;
    air.attack = 0.05;
    air.release = 0.15;
    synth::Add(buffer, air);
    return Finished(buffer);
}

std::vector<float> Respawn() { return Finished(Arpeggio({60, 64, 67, 72, 76, 79, 84}, 0.05, Wave::Square)); }

std::vector<float> SceneChange() { return Finished(Glide(0.4, 200, 1600, Wave::Triangle, 0.3)); }
