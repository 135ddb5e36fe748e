// Reads a graph file into a BehaviourTree: variables first, then the nodes with their wiring.

#include "core/data_problems.h"
#include "graph/behaviour_tree.h"
#include "graph/node.h"
#include "graph/node_registry.h"
#include "graph/text_index.h"
#include "graph/variable_store_json.h"

namespace {

void WireOutputs(INode& node, const json::Value& slots) {
    if (!slots.IsObject()) return;
    for (const auto& member : slots.GetObject()) {
        const auto slot = ReadSlotIndex(member.name.GetString(), "out", node.outputCount - 1);
        int target = -1;
        if (!slot || !json::GetInt(&member.value, target)) continue;
        node.outputs[*slot].target = target;
    }
}

// An input binds only with the value type its class declares.
void WireInputs(INode& node, const json::Value& slots) {
    if (!slots.IsObject()) return;
    for (const auto& member : slots.GetObject()) {
        const auto slot = ReadSlotIndex(member.name.GetString(), "in", node.inputCount - 1);
        std::string typeName;
        int key = -1;
        if (!slot || !json::GetString(json::Find(member.value, "type"), typeName) ||
            !json::GetInt(json::Find(member.value, "indx"), key)) {
            continue;
        }
        InputNodeData& input = node.inputs[*slot];
        if (input.valueType != ValueTypeFromName(typeName)) continue;
        input.isGlobal = json::IsLiteralTrue(json::Find(member.value, "isGlobal"));
        input.key = key;
    }
}

}  // namespace

void BehaviourTree::Load(const json::Value& root, const std::string& file) {
    json::GetInt(json::Find(root, "RootNodeId"), rootNode);
    ReadVariableStore(root, defaultStore.get(), "InputNodeStruct", file);
    ReadVariableStore(root, globalStore.get(), "GloInodeStruct", file);
    const json::Value* list = json::Find(root, "Nodes");
    if (!list || !list->IsObject()) return;
    for (const auto& member : list->GetObject()) {
        const std::string key = member.name.GetString();
        const auto index = ReadIndex(key, 0, kMaxNodeIndex);
        std::string className;
        if (!index) {
            DataProblems::Report("%s: node \"%s\": index must lie in 0..%d; skipped\n", file.c_str(), key.c_str(),
                                 kMaxNodeIndex);
            continue;
        }
        if (!json::GetString(json::Find(member.value, "Name"), className)) {
            DataProblems::Report("%s: node \"%s\" needs a string \"Name\"; skipped\n", file.c_str(), key.c_str());
            continue;
        }
        INode* node = PlaceNode(NodeTypeFromName(className), *index);
        if (!node) {
            DataProblems::Report("%s: node \"%s\": no node class \"%s\"; skipped\n", file.c_str(), key.c_str(),
                                 className.c_str());
            continue;
        }
        if (const json::Value* outs = json::Find(member.value, "OutSlot")) WireOutputs(*node, *outs);
        if (const json::Value* ins = json::Find(member.value, "InSlot")) WireInputs(*node, *ins);
    }
}
