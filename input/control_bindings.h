#pragma once

#include <cstdint>
#include <map>

#include "core/json.h"
#include "core/json_file.h"
#include "input/controls.h"

extern const char* const kKeyboardControlFile;
extern const char* const kPadControlFile;

// Which keyboard key and which pad input stand for each control of one player. Only player
// 0's readers ever read the control files; their documents serve every player.
class ControlBindings {
public:
    // Binds `playerIndex` from a control document (root members by position, one per player).
    // With `pad` set the values go to the pad maps, else to the keyboard maps. An entry that is
    // missing or not an integer stays as it was (unbound at first); with `fileName` given, each
    // such entry is reported in one line naming the file.
    void Load(int playerIndex, const json::Value& root, bool pad, const char* fileName = nullptr);

    // A control that was never bound ends the game (exit code 1).
    uint8_t GetKey(CONTROL control) const;
    uint16_t GetButton(CONTROL control) const;
    uint8_t GetMiscKey(MISCKEYS key) const;
    uint16_t GetMiscButton(MISCKEYS key) const;

    std::map<CONTROL, uint8_t> keys;
    std::map<CONTROL, uint16_t> buttons;
    std::map<MISCKEYS, uint8_t> miscKeys;
    std::map<MISCKEYS, uint16_t> miscButtons;
    JsonFile padReader;
    JsonFile keyboardReader;

private:
    void LoadControls(const json::Value& object, bool pad, const char* fileName, int playerIndex);
    void LoadMiscKeys(const json::Value& object, bool pad, const char* fileName, int playerIndex);
};

// The control and miscellaneous-key words, as the control files spell them.
const char* ControlName(CONTROL control);
const char* MiscKeyName(MISCKEYS key);
