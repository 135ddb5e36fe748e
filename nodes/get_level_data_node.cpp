#include "graph/node_registry.h"
#include "nodes/level_data_node.h"

namespace {
class GetLevelDataNode : public LevelDataNode<GetLevelDataNode, false> {
public:
    GetLevelDataNode() : LevelDataNode(kGetLevelDataNode) {}
};
}  // namespace

void RegisterGetLevelDataNode() { RegisterNode<GetLevelDataNode>("GetLevelDataNode"); }
