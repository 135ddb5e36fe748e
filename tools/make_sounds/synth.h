#pragma once

#include <cstdint>
#include <vector>

// A tiny synthesiser for the game's chiptune-style sounds. Everything is deterministic, so the
// same program writes the same files byte for byte.
namespace synth {

constexpr int kRate = 22050;

enum class Wave { Sine, Square, Triangle, Noise };

struct Tone {
    double start = 0;       // seconds
    double length = 0.1;    // seconds, release included
    double fromHz = 440;
    double toHz = 440;      // the pitch glides from fromHz to toHz
    Wave wave = Wave::Square;
    double volume = 0.3;
    double attack = 0.005;  // seconds
    double release = 0.05;  // seconds, at the end of length
};

// A buffer of `seconds` of silence.
std::vector<float> Silence(double seconds);
// Mixes the tone into the buffer; the part past the end is dropped.
void Add(std::vector<float>& buffer, const Tone& tone);
// The frequency of a MIDI note number (69 is A4, 440 Hz).
double NoteHz(int midi);

// One note of a melody: a MIDI number (0 for a rest) and its length in beats.
struct Note {
    int midi = 0;
    double beats = 1;
};
// Lays the notes one after another from `start`, each held for 90% of its length.
void AddMelody(std::vector<float>& buffer, const std::vector<Note>& notes, double start, double beatSeconds,
               Wave wave, double volume);
// Scales the buffer so its loudest sample reaches `peak`.
void Normalise(std::vector<float>& buffer, float peak);

}  // namespace synth
