#pragma once

#include <string>

// One description file turned into its graph: the path it names under "graph" and the text
// the program's own writer gives it. False with `error` naming the file and the fault.
bool GenerateGraph(const std::string& descriptionPath, std::string& graphPath, std::string& text, std::string& error);
