#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/json.h"

// What graph files may say about one node class: its output labels and its input labels with
// their value-type names, in slot order.
struct ClassSlots {
    int type = 0;
    std::vector<std::string> outputs;
    std::vector<std::pair<std::string, std::string>> inputs;
};

// Every registered node class by its registry name, read from the engine's own prototypes.
std::map<std::string, ClassSlots> SlotTable();

// The table as JSON: {"ClassName": {"type": n, "outputs": [...], "inputs": [["label", "type"], ...]}}.
void WriteSlotTable(const std::map<std::string, ClassSlots>& table, json::Document& out);
