#pragma once

#include <string>
#include <vector>

// Writes mono samples in [-1, 1] as a 16-bit PCM WAV file; false when the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<float>& samples, int rate);
