#pragma once

#include <string>
#include <vector>

#include "nodes_physics_fixture.h"

// A fighter with a real body and sprite, and a level's pool of attack copies (map 2) that
// carry a team, a start point and a player place in their own variables.
class CombatNodesTest : public PhysicsNodesTest {
protected:
    void SetUp() override {
        PhysicsNodesTest::SetUp();
        LoadGraph("copy", graphtext::Graph({{0, "DebugNode", {}, {}}}, R"({
            "int": {"0": {"name": "Team", "val": 9}, "1": {"name": "resSeq", "val": 0}},
            "Vec2": {"0": {"name": "OrigPos", "x": 0, "y": 0}}})"));
    }

    // A fighter 40 by 64 at (100, 50), facing right, whose graph runs `node` and marks the
    // outputs it takes; the pool starts empty.
    void LoadFighter(const graphtext::NodeText& node, int outputs, const std::string& bools, const std::string& vars) {
        factory->DestroyAllObjects(GameStateManager::Instance().objectMaps[GameStateManager::kAttackMap]);
        LoadGraph("fighter", graphtext::Graph(Branching(node, outputs), Vars(bools, vars)));
        fighter = Spawn("Fighter", "fighter", "{}", "Player");
        GiveBody(fighter, 100, 50, 40, 64);
        sprite = GiveSprite(fighter);
    }
    // A free copy in the pool, parked at (5000, 5000).
    GameObject* PoolCopy(const std::string& name) {
        GameObject* copy = Spawn(name, "copy", "{}", "Attack", 2);
        GiveBody(copy, 5000, 5000, 20, 20);
        GiveSprite(copy);
        copy->SetActive(false);
        return copy;
    }

    static Vec2 At(GameObject* object) { return BodyOf(object)->Position(); }

public:
    static void Hide(GameObject* object, GAME_COMP kind) { object->GetComponent(kind)->hidden = true; }
    template <class T>
    static void Forget(GameObject* object, const std::string& name) { ObjectVariableNode<T>(object, name)->name = "gone"; }

    GameObject* fighter = nullptr;
    Sprite* sprite = nullptr;
};
