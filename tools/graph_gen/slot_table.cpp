#include "tools/graph_gen/slot_table.h"

#include "graph/node_registry.h"
#include "graph/value_type.h"

std::map<std::string, ClassSlots> SlotTable() {
    std::map<std::string, ClassSlots> table;
    for (const auto& [name, type] : NodeTypeTable()) {
        auto prototype = NodePrototypes().find(type);
        if (prototype == NodePrototypes().end()) continue;
        const INode& node = *prototype->second;
        ClassSlots slots;
        slots.type = static_cast<int>(type);
        for (int i = 0; i < node.outputCount; ++i) {
            auto output = node.outputs.find(i);
            slots.outputs.push_back(output == node.outputs.end() ? "" : output->second.name);
        }
        for (int i = 0; i < node.inputCount; ++i) {
            auto input = node.inputs.find(i);
            if (input == node.inputs.end()) {
                slots.inputs.emplace_back("", "");
            } else {
                slots.inputs.emplace_back(input->second.name, ValueTypeName(input->second.valueType));
            }
        }
        table[name] = std::move(slots);
    }
    return table;
}

void WriteSlotTable(const std::map<std::string, ClassSlots>& table, json::Document& out) {
    auto& allocator = out.GetAllocator();
    out.SetObject();
    for (const auto& [name, slots] : table) {
        json::Value entry(rapidjson::kObjectType);
        entry.AddMember("type", slots.type, allocator);
        json::Value outputs(rapidjson::kArrayType);
        for (const auto& label : slots.outputs) outputs.PushBack(json::Value(label, allocator), allocator);
        entry.AddMember("outputs", outputs, allocator);
        json::Value inputs(rapidjson::kArrayType);
        for (const auto& [label, type] : slots.inputs) {
            json::Value pair(rapidjson::kArrayType);
            pair.PushBack(json::Value(label, allocator), allocator);
            pair.PushBack(json::Value(type, allocator), allocator);
            inputs.PushBack(pair, allocator);
        }
        entry.AddMember("inputs", inputs, allocator);
        out.AddMember(json::Value(name, allocator), entry, allocator);
    }
}
