#include "graph/value_type.h"

const std::map<unsigned, std::string>& ValueTypeNames() {
    static const std::map<unsigned, std::string> names = {
        {VT_INVALID, "invalid"},     {VT_DOUBLE, "double"}, {VT_BOOL, "bool"},           {VT_VEC2, "Vec2"},
        {VT_GAME_OBJECT, "GameObject*"}, {VT_STRING, "string"}, {VT_GAME_STATE, "GameState"}, {VT_INT, "int"},
    };
    return names;
}

unsigned ValueTypeFromName(const std::string& name) {
    for (const auto& [code, typeName] : ValueTypeNames()) {
        if (code != VT_INVALID && typeName == name) return code;
    }
    return VT_INVALID;
}

const std::string& ValueTypeName(unsigned code) {
    const auto& names = ValueTypeNames();
    auto it = names.find(code);
    return it == names.end() ? names.at(VT_INVALID) : it->second;
}
