#include "tools/graph_gen/graph_description.h"

#include <cstdlib>
#include <vector>

#include "graph/value_type.h"
#include "graph/variable_store.h"
#include "graph/variable_store_json.h"

namespace {

struct VariableRef {
    std::string type;
    int index = 0;
    bool global = false;
};

json::Value Text(const std::string& text, json::Document::AllocatorType& allocator) {
    return json::Value(text, allocator);
}

// One declared variable in the store layout the engine reads.
bool VariableEntry(const std::string& type, const std::string& name, const json::Value& value, json::Value& entry,
                   json::Document::AllocatorType& allocator) {
    entry.SetObject();
    entry.AddMember("name", Text(name, allocator), allocator);
    if (type == "Vec2") {
        if (!value.IsArray() || value.Size() != 2 || !value[0].IsNumber() || !value[1].IsNumber()) return false;
        entry.AddMember("x", json::Value(value[0], allocator), allocator);
        entry.AddMember("y", json::Value(value[1], allocator), allocator);
        return true;
    }
    if (type == "GameObject*") {
        // [] for an empty object variable, or [type, name]: the object it is bound to at load.
        if (!value.IsArray() || (value.Size() != 0 && value.Size() != 2)) return false;
        json::Value search(rapidjson::kObjectType);
        for (rapidjson::SizeType i = 0; i < value.Size(); ++i) {
            if (!value[i].IsString()) return false;
            search.AddMember(Text(std::to_string(i), allocator), json::Value(value[i], allocator), allocator);
        }
        entry.AddMember("search", search, allocator);
        return true;
    }
    entry.AddMember("val", json::Value(value, allocator), allocator);
    return true;
}

// Reads one store's declarations; the engine's own reader and writer then put it in the
// program's layout, and any value the reader would skip is an error here.
bool BuildStore(const json::Value* declared, bool global, std::map<std::string, VariableRef>& names, json::Value& out,
                json::Document::AllocatorType& allocator, const std::string& source, std::string& error) {
    json::Value raw(rapidjson::kObjectType);
    size_t count = 0;
    if (declared) {
        if (!declared->IsObject()) return error = "variables must be an object", false;
        for (const auto& typeMember : declared->GetObject()) {
            const std::string type = typeMember.name.GetString();
            if (ValueTypeFromName(type) == VT_INVALID) return error = "no value type \"" + type + "\"", false;
            if (!typeMember.value.IsObject()) return error = "variables of " + type + " must be an object", false;
            json::Value typed(rapidjson::kObjectType);
            int index = 0;
            for (const auto& variable : typeMember.value.GetObject()) {
                const std::string name = variable.name.GetString();
                if (names.count(name)) return error = "variable \"" + name + "\" is declared twice", false;
                json::Value entry;
                if (!VariableEntry(type, name, variable.value, entry, allocator)) {
                    return error = "variable \"" + name + "\" has no " + type + " value", false;
                }
                names[name] = {type, index, global};
                typed.AddMember(Text(std::to_string(index++), allocator), entry, allocator);
                ++count;
            }
            raw.AddMember(json::Value(typeMember.name, allocator), typed, allocator);
        }
    }
    json::Value parent(rapidjson::kObjectType);
    parent.AddMember("store", raw, allocator);
    VariableStore store;
    store.Init();
    ReadVariableStore(parent, &store, "store", source);
    if (store.VariableCount() != count) return error = "a variable has a value of the wrong type", false;
    WriteVariableStore(out, allocator, &store);
    return true;
}

// A slot by its label, or by "#n". Labels that a class repeats must be given by number.
int SlotIndex(const std::vector<std::string>& labels, const std::string& key, std::string& error) {
    if (key.size() > 1 && key[0] == '#') {
        const int index = std::atoi(key.c_str() + 1);
        if (index >= 0 && index < static_cast<int>(labels.size())) return index;
        error = "no slot " + key;
        return -1;
    }
    int found = -1;
    for (size_t i = 0; i < labels.size(); ++i) {
        if (labels[i] != key) continue;
        if (found >= 0) {
            error = "label \"" + key + "\" names two slots: use #" + std::to_string(found) + " or #" + std::to_string(i);
            return -1;
        }
        found = static_cast<int>(i);
    }
    if (found < 0) error = "no slot labelled \"" + key + "\"";
    return found;
}

bool BuildNode(const json::Value& node, const std::map<std::string, ClassSlots>& slots,
               const std::map<std::string, int>& indices, const std::map<std::string, VariableRef>& variables,
               json::Value& out, json::Document::AllocatorType& allocator, std::string& error) {
    std::string className;
    if (!json::GetString(json::Find(node, "class"), className)) return error = "has no \"class\"", false;
    auto cls = slots.find(className);
    if (cls == slots.end()) return error = "class \"" + className + "\" is not registered", false;
    out.SetObject();
    out.AddMember("Name", Text(className, allocator), allocator);

    json::Value outSlots(rapidjson::kObjectType);
    if (const json::Value* outs = json::Find(node, "out")) {
        if (!outs->IsObject()) return error = "\"out\" must be an object", false;
        for (const auto& link : outs->GetObject()) {
            const int slot = SlotIndex(cls->second.outputs, link.name.GetString(), error);
            std::string target;
            if (slot < 0) return false;
            if (!json::GetString(&link.value, target) || !indices.count(target)) {
                return error = "output \"" + std::string(link.name.GetString()) + "\" leads to no node", false;
            }
            outSlots.AddMember(Text("out" + std::to_string(slot), allocator), json::Value(indices.at(target)), allocator);
        }
    }
    out.AddMember("OutSlot", outSlots, allocator);

    json::Value inSlots(rapidjson::kObjectType);
    std::vector<std::string> inputLabels;
    for (const auto& input : cls->second.inputs) inputLabels.push_back(input.first);
    if (const json::Value* ins = json::Find(node, "in")) {
        if (!ins->IsObject()) return error = "\"in\" must be an object", false;
        for (const auto& binding : ins->GetObject()) {
            const std::string label = binding.name.GetString();
            const int slot = SlotIndex(inputLabels, label, error);
            if (slot < 0) return false;
            std::string variable;
            if (!json::GetString(&binding.value, variable) || !variables.count(variable)) {
                return error = "input \"" + label + "\" names no declared variable", false;
            }
            const VariableRef& ref = variables.at(variable);
            const std::string& wanted = cls->second.inputs[static_cast<size_t>(slot)].second;
            if (ref.type != wanted) {
                return error = "input \"" + label + "\" takes " + wanted + ", \"" + variable + "\" is " + ref.type, false;
            }
            json::Value bound(rapidjson::kObjectType);
            bound.AddMember("type", Text(ref.type, allocator), allocator);
            bound.AddMember("isGlobal", ref.global, allocator);
            bound.AddMember("indx", ref.index, allocator);
            inSlots.AddMember(Text("in" + std::to_string(slot), allocator), bound, allocator);
        }
    }
    out.AddMember("InSlot", inSlots, allocator);
    return true;
}

}  // namespace

bool BuildGraph(const json::Value& description, const std::map<std::string, ClassSlots>& slots,
                json::Document& graph, std::string& error, const std::string& source) {
    auto& allocator = graph.GetAllocator();
    graph.SetObject();
    const json::Value* nodes = json::Find(description, "nodes");
    if (!nodes || !nodes->IsObject() || nodes->MemberCount() == 0) return error = "no \"nodes\"", false;

    std::map<std::string, int> indices;
    for (const auto& node : nodes->GetObject()) {
        const int next = static_cast<int>(indices.size());
        if (!indices.emplace(node.name.GetString(), next).second) {
            return error = "node \"" + std::string(node.name.GetString()) + "\" is listed twice", false;
        }
    }
    std::string root;
    if (!json::GetString(json::Find(description, "root"), root) || !indices.count(root)) {
        return error = "\"root\" names no node", false;
    }

    std::map<std::string, VariableRef> variables;
    json::Value own(rapidjson::kObjectType), shared(rapidjson::kObjectType);
    if (!BuildStore(json::Find(description, "variables"), false, variables, own, allocator, source, error)) return false;
    if (!BuildStore(json::Find(description, "globals"), true, variables, shared, allocator, source, error)) return false;

    json::Value built(rapidjson::kObjectType);
    for (const auto& node : nodes->GetObject()) {
        const std::string name = node.name.GetString();
        json::Value out;
        if (!BuildNode(node.value, slots, indices, variables, out, allocator, error)) {
            error = "node \"" + name + "\": " + error;
            return false;
        }
        built.AddMember(Text(std::to_string(indices.at(name)), allocator), out, allocator);
    }
    graph.AddMember("RootNodeId", json::Value(indices.at(root)), allocator);
    graph.AddMember("InputNodeStruct", own, allocator);
    graph.AddMember("GloInodeStruct", shared, allocator);
    graph.AddMember("Nodes", built, allocator);
    return true;
}
