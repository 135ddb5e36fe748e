#pragma once

#include <string>
#include <vector>

#include "core/vector2d.h"

class GameObject;

// The graph values a text shows in place of its codes: "%d" ints, "%f" floats, "%v" vectors,
// "%b" bools, "%s" strings and "%x" object names, each code taking the next entry of its list.
struct TextValues {
    std::vector<int> intValues;
    std::vector<float> floatValues;
    std::vector<Vector2D<float>> vec2Values;
    std::vector<bool> boolValues;
    std::vector<std::string> stringValues;
    std::vector<GameObject*> objectValues;

    // Positions come from graph data. They share the bound of node indices, far beyond the codes
    // of any text; a list grown to a position past it could take the whole memory.
    static constexpr int kMaxPosition = 65535;

    // Stores the value at `position`, growing the list with empty entries up to it. A negative
    // position names no entry and is ignored; one beyond kMaxPosition is refused. Returns
    // whether the value was stored.
    bool SetShownValue(int position, int value) { return Store(intValues, position, value); }
    bool SetShownValue(int position, float value) { return Store(floatValues, position, value); }
    bool SetShownValue(int position, Vector2D<float> value) { return Store(vec2Values, position, value); }
    bool SetShownValue(int position, bool value) { return Store(boolValues, position, value); }
    bool SetShownValue(int position, const std::string& value) { return Store(stringValues, position, value); }
    bool SetShownValue(int position, GameObject* value) { return Store(objectValues, position, value); }

private:
    template <class List, class Value>
    static bool Store(List& list, int position, const Value& value) {
        if (position < 0 || position > kMaxPosition) return false;
        if (list.size() <= static_cast<size_t>(position)) list.resize(static_cast<size_t>(position) + 1);
        list[static_cast<size_t>(position)] = value;
        return true;
    }
};

// The text with every code replaced by its value. A code with no value left in its list shows
// nothing; a percent sign before any other character stays as it is.
std::string SubstituteValues(const std::string& text, const TextValues& values);
