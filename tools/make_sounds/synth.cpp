#include "synth.h"

#include <algorithm>
#include <cmath>

namespace synth {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A fixed-seed generator, so noise is the same on every run and every machine.
float NextNoise(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<float>(state >> 8) / static_cast<float>(1u << 23) - 1.0f;
}

double WaveAt(Wave wave, double phase, uint32_t& noise) {
    const double frac = phase - std::floor(phase);
    switch (wave) {
        case Wave::Sine: return std::sin(2 * kPi * frac);
        case Wave::Square: return frac < 0.5 ? 0.6 : -0.6;
        case Wave::Triangle: return frac < 0.5 ? 4 * frac - 1 : 3 - 4 * frac;
        case Wave::Noise: return NextNoise(noise);
    }
    return 0;
}

double Envelope(const Tone& tone, double t) {
    double level = 1;
    if (tone.attack > 0 && t < tone.attack) level = t / tone.attack;
    const double untilEnd = tone.length - t;
    if (tone.release > 0 && untilEnd < tone.release) level = std::min(level, untilEnd / tone.release);
    return std::max(level, 0.0);
}

}  // namespace

std::vector<float> Silence(double seconds) {
    return std::vector<float>(static_cast<size_t>(std::lround(seconds * kRate)), 0.0f);
}

void Add(std::vector<float>& buffer, const Tone& tone) {
    const long first = std::lround(tone.start * kRate);
    const long count = std::lround(tone.length * kRate);
    uint32_t noise = 0x2545F491u + static_cast<uint32_t>(first);
    double phase = 0;
    for (long i = 0; i < count; ++i) {
        const long at = first + i;
        if (at < 0) continue;
        if (at >= static_cast<long>(buffer.size())) break;
        const double t = static_cast<double>(i) / kRate;
        const double hz = tone.fromHz + (tone.toHz - tone.fromHz) * (t / tone.length);
        phase += hz / kRate;
        buffer[static_cast<size_t>(at)] += static_cast<float>(tone.volume * Envelope(tone, t) * WaveAt(tone.wave, phase, noise));
    }
}

double NoteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

void AddMelody(std::vector<float>& buffer, const std::vector<Note>& notes, double start, double beatSeconds,
               Wave wave, double volume) {
    double at = start;
    for (const Note& note : notes) {
        const double length = note.beats * beatSeconds;
        if (note.midi > 0) {
            Tone tone;
            tone.start = at;
            tone.length = length * 0.9;
            tone.fromHz = tone.toHz = NoteHz(note.midi);
            tone.wave = wave;
            tone.volume = volume;
            tone.attack = 0.01;
            tone.release = std::min(0.08, tone.length / 2);
            Add(buffer, tone);
        }
        at += length;
    }
}

void Normalise(std::vector<float>& buffer, float peak) {
    float loudest = 0;
    for (float s : buffer) loudest = std::max(loudest, std::fabs(s));
    if (loudest <= 0) return;
    for (float& s : buffer) s *= peak / loudest;
}

}  // namespace synth
