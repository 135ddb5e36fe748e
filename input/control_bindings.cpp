#include "input/control_bindings.h"

#include "core/data_problems.h"
#include "input/fatal_input_error.h"

const char* const kKeyboardControlFile = "Resources/Controls/Keyboard.json";
const char* const kPadControlFile = "Resources/Controls/XBox.json";

namespace {

// The order in which a control object and a miscellaneous-key object are read.
constexpr CONTROL kControlReadOrder[] = {CONTROL_UP,   CONTROL_DOWN, CONTROL_LEFT, CONTROL_RIGHT,
                                         CONTROL_JUMP, CONTROL_PUSH, CONTROL_PULL, CONTROL_SKILL};
constexpr MISCKEYS kMiscReadOrder[] = {MISC_EXIT, MISC_PAUSE, MISC_ENTER};

// Any JSON integer, however wide; callers keep the low bits they need.
bool GetWideInt(const json::Value* value, uint64_t& out) {
    if (value == nullptr) return false;
    if (value->IsInt64()) {
        out = static_cast<uint64_t>(value->GetInt64());
        return true;
    }
    if (value->IsUint64()) {
        out = value->GetUint64();
        return true;
    }
    return false;
}

void ReportUnbound(const char* fileName, int playerIndex, const char* word, const json::Value* value) {
    if (fileName == nullptr) return;
    if (value == nullptr) {
        DataProblems::ReportOn(stderr, "%s: player %d has no \"%s\"; it stays unbound\n", fileName, playerIndex + 1,
                               word);
    } else {
        DataProblems::ReportOn(stderr, "%s: player %d: \"%s\" is a %s, not an integer; it stays unbound\n",
                               fileName, playerIndex + 1, word, json::TypeName(value));
    }
}

template <class Key>
void Bind(const json::Value& object, Key key, const char* word, bool pad, std::map<Key, uint8_t>& keys,
          std::map<Key, uint16_t>& buttons, const char* fileName, int playerIndex) {
    const json::Value* value = json::Find(object, word);
    uint64_t number = 0;
    if (!GetWideInt(value, number)) {
        ReportUnbound(fileName, playerIndex, word, value);
        return;
    }
    if (pad) {
        buttons[key] = static_cast<uint16_t>(number);
    } else {
        keys[key] = static_cast<uint8_t>(number);
    }
}

const json::Value* ValueAt(const json::Value& object, size_t position) {
    const json::Member* member = json::MemberAt(object, position);
    return member != nullptr ? &member->value : nullptr;
}

template <class Map>
auto Lookup(const Map& map, typename Map::key_type key) {
    auto found = map.find(key);
    if (found == map.end()) ExitControlNotFound();
    return found->second;
}

}  // namespace

const char* ControlName(CONTROL control) {
    static const char* const names[] = {"Left", "Right", "Jump", "Down", "Push", "Pull", "Up", "Skill"};
    return control >= CONTROL_LEFT && control <= CONTROL_SKILL ? names[control] : "";
}

const char* MiscKeyName(MISCKEYS key) {
    static const char* const names[] = {"Exit", "Pause", "Enter"};
    return key >= MISC_EXIT && key <= MISC_ENTER ? names[key] : "";
}

void ControlBindings::LoadControls(const json::Value& object, bool pad, const char* fileName, int playerIndex) {
    if (!object.IsObject()) {
        if (fileName) {
            DataProblems::ReportOn(stderr, "%s: player %d's controls must be an object\n", fileName, playerIndex + 1);
        }
        return;
    }
    for (CONTROL control : kControlReadOrder) {
        Bind(object, control, ControlName(control), pad, keys, buttons, fileName, playerIndex);
    }
}

void ControlBindings::LoadMiscKeys(const json::Value& object, bool pad, const char* fileName, int playerIndex) {
    if (!object.IsObject()) {
        if (fileName) DataProblems::ReportOn(stderr, "%s: the shared keys must be an object\n", fileName);
        return;
    }
    for (MISCKEYS key : kMiscReadOrder) {
        Bind(object, key, MiscKeyName(key), pad, miscKeys, miscButtons, fileName, playerIndex);
    }
}

void ControlBindings::Load(int playerIndex, const json::Value& root, bool pad, const char* fileName) {
    if (playerIndex < 0) return;
    const json::Value* player = ValueAt(root, static_cast<size_t>(playerIndex));
    if (player == nullptr) return;
    if (!player->IsObject() || json::MemberCount(*player) == 0) {
        if (fileName) DataProblems::ReportOn(stderr, "%s: player %d has no controls\n", fileName, playerIndex + 1);
        return;
    }
    if (playerIndex == 0) {
        // Player 0's member also holds the keys every player shares; a later one overrides.
        LoadControls(*ValueAt(*player, 0), pad, fileName, playerIndex);
        for (size_t i = 1; i < json::MemberCount(*player); ++i) {
            LoadMiscKeys(*ValueAt(*player, i), pad, fileName, playerIndex);
        }
        return;
    }
    const json::Value* first = ValueAt(root, 0);
    const json::Value* shared = first != nullptr && first->IsObject() ? ValueAt(*first, 1) : nullptr;
    // Reported once, with player 0's own bindings.
    if (shared != nullptr) LoadMiscKeys(*shared, pad, nullptr, playerIndex);
    LoadControls(*ValueAt(*player, 0), pad, fileName, playerIndex);
}

uint8_t ControlBindings::GetKey(CONTROL control) const { return Lookup(keys, control); }
uint16_t ControlBindings::GetButton(CONTROL control) const { return Lookup(buttons, control); }
uint8_t ControlBindings::GetMiscKey(MISCKEYS key) const { return Lookup(miscKeys, key); }
uint16_t ControlBindings::GetMiscButton(MISCKEYS key) const { return Lookup(miscButtons, key); }
