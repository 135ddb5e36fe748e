#include "graph/variable_store_json.h"

#include "core/data_problems.h"
#include "flow/game_state_manager.h"
#include "graph/text_index.h"
#include "graph/variable_store.h"

namespace {

void Skip(const std::string& source, const std::string& group, const std::string& entry, const char* why) {
    DataProblems::Report("%s: variable \"%s\" of \"%s\" %s; skipped\n", source.empty() ? "variables" : source.c_str(),
                         entry.c_str(), group.c_str(), why);
}

// False when the entry lacks a value of the group's kind.
bool ReadEntry(VariableStore* store, unsigned code, int index, const std::string& name, const json::Value& entry) {
    switch (code) {
        case VT_DOUBLE: {
            double value = 0;
            if (!json::GetDouble(json::Find(entry, "val"), value)) return false;
            AddVariable<double>(store, code, index, name, value);
            return true;
        }
        case VT_BOOL:
            AddVariable<bool>(store, code, index, name, json::IsLiteralTrue(json::Find(entry, "val")));
            return true;
        case VT_INT: {
            int value = 0;
            if (!json::GetInt(json::Find(entry, "val"), value)) return false;
            AddVariable<int>(store, code, index, name, value);
            return true;
        }
        case VT_STRING: {
            std::string value;
            if (!json::GetString(json::Find(entry, "val"), value)) return false;
            AddVariable<std::string>(store, code, index, name, value);
            return true;
        }
        case VT_GAME_STATE: {
            std::string value;
            if (!json::GetString(json::Find(entry, "val"), value)) return false;
            if (GameStateManager::stateNames.empty()) GameStateManager::BuildStateNames();
            AddVariable<GameState>(store, code, index, name, GameStateManager::StateFromName(value));
            return true;
        }
        case VT_VEC2: {
            Vec2 value;
            if (!json::GetFloat(json::Find(entry, "x"), value.x) || !json::GetFloat(json::Find(entry, "y"), value.y)) {
                return false;
            }
            AddVariable<Vec2>(store, code, index, name, value);
            return true;
        }
        case VT_GAME_OBJECT: {
            AddVariable<GameObject*>(store, code, index, name, nullptr);
            const json::Value* search = json::Find(entry, "search");
            InputNode<GameObject*>* variable = LookupVariableNode<GameObject*>(store, code, index);
            if (!search || !search->IsObject() || !variable) return true;
            for (const auto& term : search->GetObject()) {
                std::string text;
                const std::optional<int> key = ReadIndex(term.name.GetString());
                if (key && json::GetString(&term.value, text)) variable->SetSearchTerm(*key, text);
            }
            return true;
        }
        default:
            return true;
    }
}

}  // namespace

void ReadVariableStore(const json::Value& parent, VariableStore* store, const std::string& key,
                       const std::string& source) {
    const json::Value* groups = json::Find(parent, key.c_str());
    if (!groups || !groups->IsObject() || !store) return;
    for (const auto& group : groups->GetObject()) {
        const std::string groupName = group.name.GetString();
        const unsigned code = ValueTypeFromName(groupName);
        if (code == VT_INVALID || !group.value.IsObject()) continue;
        for (const auto& entry : group.value.GetObject()) {
            const std::string entryName = entry.name.GetString();
            const std::optional<int> index = ReadIndex(entryName);
            std::string name;
            if (!index) {
                Skip(source, groupName, entryName, "has an index out of range");
            } else if (!json::GetString(json::Find(entry.value, "name"), name)) {
                Skip(source, groupName, entryName, "needs a string \"name\"");
            } else if (!ReadEntry(store, code, *index, name, entry.value)) {
                Skip(source, groupName, entryName, "has no value of its type");
            }
        }
    }
}

namespace {

using Allocator = json::Document::AllocatorType;

json::Value Text(const std::string& text, Allocator& allocator) {
    return json::Value(text.c_str(), static_cast<rapidjson::SizeType>(text.size()), allocator);
}

template <class T, class Fill>
void WriteGroup(json::Value& out, Allocator& allocator, const VariableStore* store, Fill fill) {
    const unsigned code = ValueTypeOf<T>::code;
    InputNodeMap<T>* map = GetVariableMap<T>(store, code);
    if (!map || map->variables.empty()) return;
    json::Value group(rapidjson::kObjectType);
    for (const auto& [index, variable] : map->variables) {
        json::Value entry(rapidjson::kObjectType);
        fill(entry, variable);
        group.AddMember(Text(std::to_string(index), allocator), entry, allocator);
    }
    out.AddMember(Text(ValueTypeName(code), allocator), group, allocator);
}

}  // namespace

void WriteVariableStore(json::Value& out, Allocator& allocator, const VariableStore* store) {
    out.SetObject();
    auto named = [&](json::Value& entry, const std::string& name) {
        entry.AddMember("name", Text(name, allocator), allocator);
    };
    WriteGroup<double>(out, allocator, store, [&](json::Value& entry, const InputNode<double>& v) {
        entry.AddMember("val", json::Value(v.value), allocator);
        named(entry, v.name);
    });
    WriteGroup<bool>(out, allocator, store, [&](json::Value& entry, const InputNode<bool>& v) {
        entry.AddMember("val", json::Value(v.value), allocator);
        named(entry, v.name);
    });
    WriteGroup<Vec2>(out, allocator, store, [&](json::Value& entry, const InputNode<Vec2>& v) {
        entry.AddMember("x", json::Value(static_cast<double>(v.value.x)), allocator);
        entry.AddMember("y", json::Value(static_cast<double>(v.value.y)), allocator);
        named(entry, v.name);
    });
    WriteGroup<GameObject*>(out, allocator, store, [&](json::Value& entry, const InputNode<GameObject*>& v) {
        entry.AddMember("val", json::Value(0), allocator);
        named(entry, v.name);
        json::Value search(rapidjson::kObjectType);
        for (const auto& [key, term] : v.searchTerms) {
            search.AddMember(Text(std::to_string(key), allocator), Text(term, allocator), allocator);
        }
        entry.AddMember("search", search, allocator);
    });
    WriteGroup<std::string>(out, allocator, store, [&](json::Value& entry, const InputNode<std::string>& v) {
        entry.AddMember("val", Text(v.value, allocator), allocator);
        named(entry, v.name);
    });
    WriteGroup<GameState>(out, allocator, store, [&](json::Value& entry, const InputNode<GameState>& v) {
        if (GameStateManager::stateNames.empty()) GameStateManager::BuildStateNames();
        auto it = GameStateManager::stateNames.find(v.value);
        entry.AddMember("val", Text(it == GameStateManager::stateNames.end() ? "Invalid" : it->second, allocator),
                        allocator);
        named(entry, v.name);
    });
    WriteGroup<int>(out, allocator, store, [&](json::Value& entry, const InputNode<int>& v) {
        entry.AddMember("val", json::Value(v.value), allocator);
        named(entry, v.name);
    });
}
