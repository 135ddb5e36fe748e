#include "graph/variable_store.h"

void VariableStore::Init() {
    maps[VT_DOUBLE] = std::make_unique<InputNodeMap<double>>();
    maps[VT_BOOL] = std::make_unique<InputNodeMap<bool>>();
    maps[VT_VEC2] = std::make_unique<InputNodeMap<Vec2>>();
    maps[VT_GAME_OBJECT] = std::make_unique<InputNodeMap<GameObject*>>();
    maps[VT_STRING] = std::make_unique<InputNodeMap<std::string>>();
    maps[VT_GAME_STATE] = std::make_unique<InputNodeMap<GameState>>();
    maps[VT_INT] = std::make_unique<InputNodeMap<int>>();
}

std::unique_ptr<VariableStore> VariableStore::Clone() const {
    auto copy = std::make_unique<VariableStore>();
    for (const auto& [code, map] : maps) copy->maps[code] = map ? map->Clone() : nullptr;
    return copy;
}

void VariableStore::CopyFrom(const VariableStore* source) {
    if (!source) return;
    for (auto& [code, map] : maps) {
        InputNodeMapBase* theirs = source->Map(code);
        if (map && theirs) map->CopyByName(theirs);
    }
}

InputNodeMapBase* VariableStore::Map(unsigned code) const {
    auto it = maps.find(code);
    return it == maps.end() ? nullptr : it->second.get();
}

size_t VariableStore::VariableCount() const {
    size_t count = 0;
    for (const auto& [code, map] : maps) count += map ? map->Size() : 0;
    return count;
}
