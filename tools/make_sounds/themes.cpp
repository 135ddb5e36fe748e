#include "themes.h"

#include "synth.h"

using synth::Note;
using synth::Wave;

namespace {

void AddDrums(std::vector<float>& buffer, double beatSeconds, int beats) {
    for (int b = 0; b < beats; ++b) {
        synth::Tone kick;
        kick.start = b * beatSeconds;
        kick.length = 0.12;
        kick.fromHz = 140;
        kick.toHz = 45;
        kick.wave = Wave::Sine;
        kick.volume = b % 2 == 0 ? 0.5 : 0.0;
        synth::Add(buffer, kick);
        synth::Tone hat;
        hat.start = (b + 0.5) * beatSeconds;
        hat.length = 0.04;
        hat.wave = Wave::Noise;
        hat.volume = 0.08;
        hat.release = 0.03;
        synth::Add(buffer, hat);
    }
}

}  // namespace

std::vector<float> MenuTheme() {
    const double beat = 0.5;  // 120 beats a minute, four bars
    std::vector<float> buffer = synth::Silence(16 * beat);
    const std::vector<Note> melody = {{72, 1}, {76, 1}, {79, 1}, {76, 1}, {74, 1}, {77, 1}, {81, 2},
                                      {79, 1}, {76, 1}, {72, 1}, {74, 1}, {76, 1.5}, {74, 0.5}, {72, 2}};
    const std::vector<Note> bass = {{48, 2}, {48, 2}, {53, 2}, {53, 2}, {52, 2}, {57, 2}, {55, 2}, {48, 2}};
    synth::AddMelody(buffer, melody, 0, beat, Wave::Square, 0.18);
    synth::AddMelody(buffer, bass, 0, beat, Wave::Triangle, 0.35);
    synth::Normalise(buffer, 0.7f);
    return buffer;
}

std::vector<float> LevelTheme() {
    const double beat = 0.4;  // 150 beats a minute, eight bars
    std::vector<float> buffer = synth::Silence(32 * beat);
    const std::vector<Note> riff = {{69, 0.5}, {72, 0.5}, {76, 0.5}, {72, 0.5}, {74, 0.5}, {77, 0.5}, {81, 1},
                                    {79, 0.5}, {76, 0.5}, {72, 0.5}, {76, 0.5}, {74, 1}, {0, 1}};
    const std::vector<Note> answer = {{76, 0.5}, {79, 0.5}, {83, 1}, {81, 0.5}, {79, 0.5}, {76, 1},
                                      {74, 0.5}, {72, 0.5}, {71, 0.5}, {72, 0.5}, {69, 2}};
    synth::AddMelody(buffer, riff, 0, beat, Wave::Square, 0.16);
    synth::AddMelody(buffer, answer, 8 * beat, beat, Wave::Square, 0.16);
    synth::AddMelody(buffer, riff, 16 * beat, beat, Wave::Square, 0.16);
    synth::AddMelody(buffer, answer, 24 * beat, beat, Wave::Square, 0.16);
    std::vector<Note> bass;
    for (int root : {45, 45, 41, 43, 45, 45, 41, 40}) {
        for (int i = 0; i < 4; ++i) bass.push_back({i % 2 == 0 ? root : root + 12, 1});
    }
    synth::AddMelody(buffer, bass, 0, beat, Wave::Triangle, 0.3);
    AddDrums(buffer, beat, 32);
    synth::Normalise(buffer, 0.7f);
    return buffer;
}

std::vector<float> WinJingle(int rootMidi) {
    const double beat = 0.18;
    std::vector<float> buffer = synth::Silence(2.6);
    const std::vector<Note> fanfare = {{rootMidi, 1},     {rootMidi + 4, 1}, {rootMidi + 7, 1},
                                       {rootMidi + 12, 2}, {rootMidi + 7, 1}, {rootMidi + 12, 6}};
    const std::vector<Note> under = {{rootMidi - 12, 3}, {rootMidi - 5, 3}, {rootMidi - 12, 6}};
    synth::AddMelody(buffer, fanfare, 0, beat, Wave::Square, 0.25);
    synth::AddMelody(buffer, under, 0, beat, Wave::Triangle, 0.35);
    synth::Normalise(buffer, 0.75f);
    return buffer;
}
