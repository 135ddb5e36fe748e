#pragma once

#include <string>

// One level description (tools/levels/*.json) turned into its level file:
//
//   {"level": "Resources/levelData/level1.json",
//    "settings": {"cameraX": 360, ...},
//    "objects": [{"piece": "ball"},
//                {"piece": "doors", "with": {"DoorEast": {"Body": {"x": 2240}}}},
//                {"Name": "Sky", "Type": "Default", ...}]}
//
// Objects keep their listed order (the engine reads them by position). A "piece" names a
// shared file tools/levels/templates/NAME.json laid out like a level file without its settings
// (one member per object: one object or a group); "with" deep-merges overrides into the
// piece's objects by their "Name". Each object becomes the member keyed by its name. False, with `error` naming the description and the
// fault, when anything does not check out.
bool GenerateLevel(const std::string& descriptionPath, std::string& levelPath, std::string& text, std::string& error);
