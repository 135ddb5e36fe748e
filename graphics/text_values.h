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

    // Stores the value at `position`, growing the list with empty entries up to it. A negative
    // position names no entry and is ignored.
    void SetShownValue(int position, int value) { Store(intValues, position, value); }
    void SetShownValue(int position, float value) { Store(floatValues, position, value); }
    void SetShownValue(int position, Vector2D<float> value) { Store(vec2Values, position, value); }
    void SetShownValue(int position, bool value) { Store(boolValues, position, value); }
    void SetShownValue(int position, const std::string& value) { Store(stringValues, position, value); }
    void SetShownValue(int position, GameObject* value) { Store(objectValues, position, value); }

private:
    template <class List, class Value>
    static void Store(List& list, int position, const Value& value) {
        if (position < 0) return;
        if (list.size() <= static_cast<size_t>(position)) list.resize(static_cast<size_t>(position) + 1);
        list[static_cast<size_t>(position)] = value;
    }
};

// The text with every code replaced by its value. A code with no value left in its list shows
// nothing; a percent sign before any other character stays as it is.
std::string SubstituteValues(const std::string& text, const TextValues& values);
