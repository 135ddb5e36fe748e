#pragma once

#include <vector>

// The music: two looping themes and the win jingles.
std::vector<float> MenuTheme();
std::vector<float> LevelTheme();
std::vector<float> WinJingle(int rootMidi);
