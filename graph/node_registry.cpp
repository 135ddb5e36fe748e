#include "graph/node_registry.h"

std::map<NODE_TYPE, std::unique_ptr<INode>>& NodePrototypes() {
    static std::map<NODE_TYPE, std::unique_ptr<INode>> prototypes;
    return prototypes;
}

std::map<std::string, NODE_TYPE>& NodeTypesByName() {
    static std::map<std::string, NODE_TYPE> names;
    return names;
}

void AddPrototype(std::unique_ptr<INode> prototype, const std::string& name) {
    if (!prototype) return;
    const NODE_TYPE type = prototype->type;
    if (!NodePrototypes().emplace(type, std::move(prototype)).second) return;
    if (!name.empty()) NodeTypesByName()[name] = type;
}

INode* CreateNode(NODE_TYPE type) {
    auto& prototypes = NodePrototypes();
    auto it = prototypes.find(type);
    return it == prototypes.end() || !it->second ? nullptr : it->second->Create();
}

NODE_TYPE NodeTypeFromName(const std::string& name) {
    const auto& names = NodeTypesByName();
    auto it = names.find(name);
    return it == names.end() ? kUnknownNode : it->second;
}

void FreeNodePrototypes() {
    NodePrototypes().clear();
    NodeTypesByName().clear();
}
