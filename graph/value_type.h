#pragma once

#include <map>
#include <string>

#include "core/vector2d.h"
#include "flow/game_state.h"

class GameObject;

// The value types of graph variables. The code keys a store's maps and an input slot's type;
// the name is how graph and level files write the type.
enum ValueType : unsigned {
    VT_INVALID = 0,
    VT_DOUBLE = 1,
    VT_BOOL = 2,
    VT_VEC2 = 3,
    VT_GAME_OBJECT = 4,
    VT_STRING = 5,
    VT_GAME_STATE = 6,
    VT_INT = 7,
};
constexpr unsigned kFirstValueType = VT_DOUBLE;
constexpr unsigned kLastValueType = VT_INT;

template <class T>
struct ValueTypeOf;
template <> struct ValueTypeOf<double> { static constexpr unsigned code = VT_DOUBLE; };
template <> struct ValueTypeOf<bool> { static constexpr unsigned code = VT_BOOL; };
template <> struct ValueTypeOf<Vec2> { static constexpr unsigned code = VT_VEC2; };
template <> struct ValueTypeOf<GameObject*> { static constexpr unsigned code = VT_GAME_OBJECT; };
template <> struct ValueTypeOf<std::string> { static constexpr unsigned code = VT_STRING; };
template <> struct ValueTypeOf<GameState> { static constexpr unsigned code = VT_GAME_STATE; };
template <> struct ValueTypeOf<int> { static constexpr unsigned code = VT_INT; };

// Code to name, all eight codes including "invalid".
const std::map<unsigned, std::string>& ValueTypeNames();
// The exact (case-sensitive) name's code; 0 for anything else, "invalid" included.
unsigned ValueTypeFromName(const std::string& name);
// The name of a code; "invalid" for codes outside the table.
const std::string& ValueTypeName(unsigned code);
