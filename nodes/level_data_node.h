#pragma once

#include "graph/node.h"
#include "graph/node_helpers.h"

// Copies between the running object's variables and the level object's variables of the same
// type and name: into the inputs (reading level data) or out of them (writing it). The input
// labels only fix each variable's type; the names of the bound variables pick the level's.
template <class Derived, bool kToLevel>
class LevelDataNode : public Node<Derived> {
public:
    explicit LevelDataNode(NODE_TYPE type)
        : Node<Derived>(type, {"Next"},
                        {{"BoolVar", VT_BOOL},
                         {"IntVar", VT_INT},
                         {"GameObjectVar", VT_GAME_OBJECT},
                         {"DoubleVar", VT_DOUBLE},
                         {"GameStateVar", VT_GAME_STATE},
                         {"Vec2Var", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* level = levelObject_.Get();
        if (level && ObjectStore(level)) {
            Copy<bool>(0, ctx, level);
            Copy<int>(1, ctx, level);
            Copy<GameObject*>(2, ctx, level);
            Copy<double>(3, ctx, level);
            Copy<GameState>(4, ctx, level);
            Copy<Vec2>(5, ctx, level);
        }
        return this->RunOutput(0, ctx);
    }

private:
    // Values only: an object variable's search terms stay with their own store.
    template <class T>
    void Copy(int slot, AI_Component* ctx, GameObject* level) {
        InputNode<T>* mine = this->template GetInputVariable<T>(slot, ctx);
        T* theirs = mine ? ObjectVariable<T>(level, mine->name) : nullptr;
        if (!theirs) return;
        if (kToLevel) {
            *theirs = mine->value;
        } else {
            mine->value = *theirs;
        }
    }

    LevelObjectLookup levelObject_;
};
