#pragma once

#include <string>

// Turns a readable description into the data file it stands for: the file's path and text, or
// an error naming what is wrong.
using Generator = bool (*)(const std::string& descriptionPath, std::string& filePath, std::string& text,
                           std::string& error);

// Writes (build) or compares (check) the file of each description through the game's own JSON
// writer; the exit status of the tool: 0 when all went well, 1 otherwise, 2 when given none.
int BuildOrCheck(bool build, int count, char** descriptions, Generator generate, const char* tool);
