#include "graph/behaviour_tree.h"

#include "graph/node_registry.h"

BehaviourTree::BehaviourTree()
    : defaultStore(std::make_unique<VariableStore>()), globalStore(std::make_unique<VariableStore>()) {
    defaultStore->Init();
    globalStore->Init();
}

BehaviourTree::~BehaviourTree() = default;

INode* BehaviourTree::PlaceNode(NODE_TYPE type, int index) {
    if (index < 0 || index > kMaxNodeIndex) return nullptr;
    std::unique_ptr<INode> node(CreateNode(type));
    if (!node) return nullptr;
    node->owner = this;
    if (index >= NodeCount()) nodes.resize(static_cast<size_t>(index) + 1);
    nodes[static_cast<size_t>(index)] = std::move(node);
    return nodes[static_cast<size_t>(index)].get();
}

INode* BehaviourTree::NodeAt(int index) const {
    if (index < 0 || index >= NodeCount()) return nullptr;
    return nodes[static_cast<size_t>(index)].get();
}

int BehaviourTree::RunNode(int index, AI_Component* ctx) {
    INode* node = NodeAt(index);
    if (!node) return -1;
    if (depth_ >= kMaxChainDepth) {
        static const std::string cut =
            "a chain ran " + std::to_string(kMaxChainDepth) + " nodes deep and was cut; its outputs loop back";
        ReportOnce(RunProblem::kChainCut, cut);
        return -1;
    }
    ++depth_;
    const int result = node->Execute(ctx);
    --depth_;
    return result;
}

void BehaviourTree::EndFrame() {
    for (auto& node : nodes) {
        if (node) node->EndFrame();
    }
}

void BehaviourTree::ReportOnce(RunProblem problem, const std::string& what) {
    told_.Report(std::to_string(static_cast<int>(problem)), "graph \"%s\": %s\n", name.c_str(), what.c_str());
}
