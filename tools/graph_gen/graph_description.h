#pragma once

#include <map>
#include <string>

#include "core/json.h"
#include "tools/graph_gen/slot_table.h"

// Builds a behaviour-graph file from a readable description:
//
//   {"graph": "Resources/AI/Name.json", "root": "first",
//    "variables": {"int": {"selection": 0}, "Vec2": {"home": [10, 20]},
//                  "GameObject*": {"Arrow": ["Default", "Arrow"]}, "GameState": {"next": "Level_1"}},
//    "globals": {...same layout, shared by every object running the graph...},
//    "nodes": {"first": {"class": "MenuMovementNode", "in": {"selection": "selection"},
//                        "out": {"Start": "second"}}, "second": {...}}}
//
// Nodes are numbered in the order they are listed, variables per type in the order they are
// listed. Slots are named by their labels (or "#n" where a class repeats a label), and every
// class, label and variable type is checked against the slot table. False, with `error`
// naming the first fault, when anything does not check out. `source` names the description in
// the variable reader's own diagnostics.
bool BuildGraph(const json::Value& description, const std::map<std::string, ClassSlots>& slots,
                json::Document& graph, std::string& error, const std::string& source = "description");
