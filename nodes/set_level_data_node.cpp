#include "graph/node_registry.h"
#include "nodes/level_data_node.h"

namespace {
class SetLevelDataNode : public LevelDataNode<SetLevelDataNode, true> {
public:
    SetLevelDataNode() : LevelDataNode(kSetLevelDataNode) {}
};
}  // namespace

void RegisterSetLevelDataNode() { RegisterNode<SetLevelDataNode>("SetLevelDataNode"); }
