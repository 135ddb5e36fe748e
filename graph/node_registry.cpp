#include "graph/node_registry.h"

std::map<NODE_TYPE, std::unique_ptr<INode>>& NodePrototypes() {
    static std::map<NODE_TYPE, std::unique_ptr<INode>> prototypes;
    return prototypes;
}

INode* CreateNode(NODE_TYPE type) {
    auto& prototypes = NodePrototypes();
    auto it = prototypes.find(type);
    return it == prototypes.end() || !it->second ? nullptr : it->second->Create();
}

NODE_TYPE NodeTypeFromName(const std::string& name) {
    const auto& table = NodeTypeTable();
    auto it = table.find(name);
    return it == table.end() ? kUnknownNode : it->second;
}

void FreeNodePrototypes() { NodePrototypes().clear(); }
