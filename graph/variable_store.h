#pragma once

#include <map>
#include <memory>
#include <string>

#include "graph/value_type.h"

// One graph variable. Object variables also carry search terms (0: type name, 1: object
// name) by which they are bound to a level's object after it loads.
template <class T>
struct InputNode {
    T value{};
    std::string name = "Empty";
    std::map<int, std::string> searchTerms;

    void SetSearchTerm(int key, const std::string& term) { searchTerms[key] = term; }
    std::string GetSearchTerm(int key) const {
        auto it = searchTerms.find(key);
        return it == searchTerms.end() ? std::string() : it->second;
    }
};

class InputNodeMapBase {
public:
    virtual ~InputNodeMapBase() = default;
    // Takes the values (and search terms) of same-named variables from a map of the same type.
    virtual void CopyByName(const InputNodeMapBase* other) = 0;
    virtual void Erase(int index) = 0;
    // A deep copy that shares nothing with this map.
    virtual std::unique_ptr<InputNodeMapBase> Clone() const = 0;
    virtual size_t Size() const = 0;
};

template <class T>
class InputNodeMap : public InputNodeMapBase {
public:
    InputNode<T>* Variable(int key) {
        auto it = variables.find(key);
        return it == variables.end() ? nullptr : &it->second;
    }
    T* Get(int key) {
        InputNode<T>* variable = Variable(key);
        return variable ? &variable->value : nullptr;
    }
    // The lowest index wins when names repeat.
    InputNode<T>* VariableByName(const std::string& name) {
        for (auto& [index, variable] : variables) {
            if (variable.name == name) return &variable;
        }
        return nullptr;
    }
    T* FindByName(const std::string& name) {
        InputNode<T>* variable = VariableByName(name);
        return variable ? &variable->value : nullptr;
    }
    // Creates the variable when absent; an empty name keeps the name it has.
    void Set(int index, const T& value, const std::string& name) {
        InputNode<T>& variable = variables[index];
        variable.value = value;
        if (!name.empty()) variable.name = name;
    }

    void CopyByName(const InputNodeMapBase* other) override {
        auto* source = dynamic_cast<const InputNodeMap<T>*>(other);
        if (!source) return;
        for (auto& [index, mine] : variables) {
            // The highest index wins when names repeat in the source.
            const InputNode<T>* match = nullptr;
            for (const auto& [otherIndex, theirs] : source->variables) {
                if (theirs.name == mine.name) match = &theirs;
            }
            if (!match) continue;
            mine.value = match->value;
            for (const auto& [key, term] : match->searchTerms) mine.searchTerms[key] = term;
        }
    }
    void Erase(int index) override { variables.erase(index); }
    std::unique_ptr<InputNodeMapBase> Clone() const override { return std::make_unique<InputNodeMap<T>>(*this); }
    size_t Size() const override { return variables.size(); }

    std::map<int, InputNode<T>> variables;
};

// The typed variables of one owner: one map per value type, keyed by the type's code.
class VariableStore {
public:
    VariableStore() = default;
    VariableStore(const VariableStore&) = delete;
    VariableStore& operator=(const VariableStore&) = delete;

    // One empty map for each of the seven value types.
    void Init();
    std::unique_ptr<VariableStore> Clone() const;
    // Same-named variables take the source's values; a null source changes nothing.
    void CopyFrom(const VariableStore* source);
    InputNodeMapBase* Map(unsigned code) const;
    size_t VariableCount() const;

    std::map<unsigned, std::unique_ptr<InputNodeMapBase>> maps;
};

// The map under `code` when it holds T's type; null otherwise.
template <class T>
InputNodeMap<T>* GetVariableMap(const VariableStore* store, unsigned code) {
    return store ? dynamic_cast<InputNodeMap<T>*>(store->Map(code)) : nullptr;
}

template <class T>
InputNode<T>* LookupVariableNode(const VariableStore* store, unsigned code, int key) {
    InputNodeMap<T>* map = GetVariableMap<T>(store, code);
    return map ? map->Variable(key) : nullptr;
}

// Null when the store lacks the code, the map is of another type, or the index is absent.
template <class T>
T* LookupVariable(const VariableStore* store, unsigned code, int key) {
    InputNode<T>* variable = LookupVariableNode<T>(store, code, key);
    return variable ? &variable->value : nullptr;
}

template <class T>
InputNode<T>* LookupVariableNodeByName(const VariableStore* store, const std::string& name) {
    InputNodeMap<T>* map = GetVariableMap<T>(store, ValueTypeOf<T>::code);
    return map ? map->VariableByName(name) : nullptr;
}

template <class T>
T* LookupVariableByName(const VariableStore* store, const std::string& name) {
    InputNode<T>* variable = LookupVariableNodeByName<T>(store, name);
    return variable ? &variable->value : nullptr;
}

template <class T>
void AddVariable(VariableStore* store, unsigned code, int index, const std::string& name, const T& value) {
    if (InputNodeMap<T>* map = GetVariableMap<T>(store, code)) map->Set(index, value, name);
}
