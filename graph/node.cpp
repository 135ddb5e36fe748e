#include "graph/node.h"

#include "graph/ai_component.h"
#include "graph/behaviour_tree.h"

INode::INode(NODE_TYPE type, std::initializer_list<const char*> outputLabels,
             std::initializer_list<InputSpec> inputSpecs)
    : type(type),
      outputCount(static_cast<int>(outputLabels.size())),
      inputCount(static_cast<int>(inputSpecs.size())) {
    int index = 0;
    for (const char* label : outputLabels) outputs[index++] = OutNodeData{-1, label};
    index = 0;
    for (const InputSpec& spec : inputSpecs) inputs[index++] = InputNodeData{false, spec.type, -1, spec.label};
}

INode::~INode() = default;

int INode::OutputTarget(int output) const {
    auto it = outputs.find(output);
    return it == outputs.end() ? -1 : it->second.target;
}

int INode::RunOutput(int output, AI_Component* ctx) const {
    const int target = OutputTarget(output);
    return owner ? owner->RunNode(target, ctx) : -1;
}

const VariableStore* INode::InputStore(const InputNodeData& input, AI_Component* ctx) const {
    if (input.isGlobal) return owner ? owner->globalStore.get() : nullptr;
    return ctx ? ctx->store.get() : nullptr;
}

INode* INode::NodeAt(int index) const { return owner ? owner->NodeAt(index) : nullptr; }
