// Attack nodes: punches leave the pool from the Boxer's middle, the way he faces; a flying punch
// asks whether it is still within its range.
#include <functional>

#include <gtest/gtest.h>

#include "nodes_combat_fixture.h"

namespace {

using namespace graphtext;

class AttackNodes : public CombatNodesTest {
protected:
    void Load() {
        LoadFighter({0, "AttackNode", {}, {In("double", 0), In("int", 0), In("double", 1), In("GameObject*", 0), In("int", 1), In("double", 2)}}, 1, "", R"(
            "double": {"0": {"name": "AttackForce", "val": 300}, "1": {"name": "Cooldown", "val": 0.5},
                       "2": {"name": "CurrCooldown", "val": 0.5}},
            "int": {"0": {"name": "AttackCount", "val": 3}, "1": {"name": "CurrAttkCount", "val": 0},
                    "2": {"name": "Team", "val": 1}},
            "GameObject*": {"0": {"name": "AttackObj", "search": {"0": "Attack", "1": "Punch"}}})");
    }
};

TEST_F(AttackNodes, APunchLeavesFromTheSideTheBoxerFacesOnceTheCooldownIsReached) {
    const struct {
        float facing;
        double sinceCooldown;
        float x;  // 0: no punch; else its back on the Boxer's middle
    } cases[] = {{1, 0.5, 110}, {-1, 0.9, 90}, {0, 0.5, 110}, {1, 0.4, 0}};
    for (const auto& c : cases) {
        Load();
        GameObject* punch = PoolCopy("Punch");
        sprite->scaleX = c.facing;
        Var<double>(fighter, "CurrCooldown") = c.sinceCooldown;
        EXPECT_EQ(c.x ? -1 : 0, Run(fighter)) << c.facing << " " << c.sinceCooldown;
        EXPECT_EQ(c.x != 0, punch->active);
        if (!c.x) continue;
        const float direction = c.x > 100 ? 1 : -1;
        EXPECT_EQ(Vec2(c.x, 50 + 8), At(punch));
        EXPECT_EQ(At(punch), Var<Vec2>(punch, "OrigPos"));
        EXPECT_FLOAT_EQ(300 * direction, BodyOf(punch)->velX);
        EXPECT_FLOAT_EQ(direction, punch->Get<Sprite>(SPRITE)->scaleX);
        EXPECT_EQ(1, Var<int>(punch, "Team"));
    }
}

TEST_F(AttackNodes, EveryThirdPunchStartsTheCooldownAndTheFirstFreeCopiesGoFirst) {
    Load();
    GameObject* first = PoolCopy("Punch");
    PoolCopy("Kick");
    GameObject* second = PoolCopy("Punch");
    PoolCopy("Punch")->SetActive(true);
    PoolCopy("Punch");
    const struct { int count; double sinceCooldown; GameObject* taken; } after[] = {{1, 0.5, first}, {2, 0.5, second}, {0, 0.0, nullptr}};
    for (const auto& expected : after) {
        EXPECT_EQ(-1, Run(fighter));
        EXPECT_EQ(expected.count, Var<int>(fighter, "CurrAttkCount"));
        EXPECT_EQ(expected.sinceCooldown, Var<double>(fighter, "CurrCooldown"));
        EXPECT_TRUE(!expected.taken || expected.taken->active);
    }
    EXPECT_EQ(0, Run(fighter)) << "the fourth waits for the cooldown";
    Var<double>(fighter, "CurrCooldown") = 1;
    Var<int>(fighter, "CurrAttkCount") = 5;
    EXPECT_EQ(0, Run(fighter)) << "the pool is dry";
    PoolCopy("Punch");
    EXPECT_EQ(-1, Run(fighter));
    EXPECT_EQ(0.0, Var<double>(fighter, "CurrCooldown")) << "a count already past the limit still ends the series";
}

TEST_F(AttackNodes, NoCopyLeavesThePoolForAPunchThatCannotBeThrown) {
    const struct {
        const char* situation;
        std::function<void(GameObject* boxer, GameObject* punch)> spoil;
    } cases[] = {
        {"Boxer without a sprite", [](GameObject* b, GameObject*) { Hide(b, SPRITE); }},
        {"Boxer without a body", [](GameObject* b, GameObject*) { Hide(b, BODY); }},
        {"Boxer without a team", [](GameObject* b, GameObject*) { Forget<int>(b, "Team"); }},
        {"punch without a body", [](GameObject*, GameObject* p) { Hide(p, BODY); }},
        {"punch without a team", [](GameObject*, GameObject* p) { Forget<int>(p, "Team"); }},
        {"punch without a start point", [](GameObject*, GameObject* p) { Forget<Vec2>(p, "OrigPos"); }},
    };
    for (const auto& c : cases) {
        Load();
        GameObject* punch = PoolCopy("Punch");
        c.spoil(fighter, punch);
        EXPECT_EQ(0, Run(fighter)) << c.situation;
        EXPECT_FALSE(punch->active) << c.situation;
        EXPECT_EQ(0, Var<int>(fighter, "CurrAttkCount")) << c.situation;
    }
}

TEST_F(AttackNodes, AFlyingPunchIsInRangeOnlyCloserThanItsRange) {
    LoadFighter({0, "IsAttackInRangeNode", {}, {In("double", 0), In("Vec2", 0)}}, 2, "",
                R"("double": {"0": {"name": "AttackRange", "val": 50}}, "Vec2": {"0": {"name": "OrigPos", "x": 60, "y": 80}})");
    for (const auto& [x, output] : std::vector<std::pair<float, int>>{{60, 0}, {99.9f, 0}, {100, 1}, {400, 1}}) {
        BodyOf(fighter)->shape->SetX(x);
        EXPECT_EQ(-1, Run(fighter)) << x;
        EXPECT_EQ(std::vector<int>{output}, Taken(fighter)) << x;
    }
    Hide(fighter, BODY);
    EXPECT_EQ(0, Run(fighter)) << "a punch without a body";
}

}  // namespace
