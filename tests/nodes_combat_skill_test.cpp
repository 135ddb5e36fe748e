// Character skill nodes: the Boxer's double strike, the Lady's shield, the Ninja's teleport
// and an aura that stands on its character.
#include <gtest/gtest.h>

#include "nodes_combat_fixture.h"

namespace {

using namespace graphtext;

const std::string kSkills = R"(
    "double": {"0": {"name": "Cooldown", "val": 1.0}, "1": {"name": "Curr Cooldown", "val": 2.0},
               "2": {"name": "Reflect Force", "val": 10}, "3": {"name": "CurrTimer", "val": 2.0}},
    "int": {"0": {"name": "Team", "val": 1}, "1": {"name": "resSeq", "val": 2}},
    "GameObject*": {"0": {"name": "Left", "search": {"0": "Attack", "1": "StrikeLeft"}},
                    "1": {"name": "Right", "search": {"0": "Attack", "1": "StrikeRight"}},
                    "2": {"name": "Shield", "search": {"0": "Attack", "1": "Shield"}},
                    "3": {"name": "TeleObj"}, "4": {"name": "Aura"}})";

class SkillNodes : public CombatNodesTest {
protected:
    void Load(const std::string& node, const std::vector<std::string>& ins) {
        LoadFighter({0, node, {}, ins}, 1, R"("0": {"name": "TeleBool", "val": true})", kSkills);
    }
    double& Cooldown() { return Var<double>(fighter, "Curr Cooldown"); }
};

const std::vector<std::string> kBoxer = {In("GameObject*", 0), In("GameObject*", 1), In("double", 0), In("double", 1)};
const std::vector<std::string> kLady = {In("GameObject*", 2), In("double", 2), In("double", 0), In("double", 1)};

TEST_F(SkillNodes, TheDoubleStrikeFlanksTheBoxerOnceTheCooldownHasPassed) {
    const struct {
        const char* situation;
        double since;
        size_t unbound;  // 9: none
        void (*spoil)(GameObject* boxer);
        bool rightFree;
        double cooldownAfter;
        bool leftOut;
    } cases[] = {
        {"cooldown passed", 1.5, 9, nullptr, true, 0, true},
        {"cooldown only reached", 1.0, 9, nullptr, true, 1.0, false},
        {"only the left object free", 2, 9, nullptr, false, 0, true},
        {"no right-hand object", 2, 1, nullptr, true, 2, false},
        {"a Boxer without a body", 2, 9, [](GameObject* b) { Hide(b, BODY); }, true, 2, false},
        {"a Boxer without a team", 2, 9, [](GameObject* b) { Forget<int>(b, "Team"); }, true, 2, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> ins = kBoxer;
        if (c.unbound < ins.size()) ins[c.unbound] = "";
        Load("SpecialAttackNode", ins);
        GameObject* left = PoolCopy("StrikeLeft");
        GameObject* right = c.rightFree ? PoolCopy("StrikeRight") : nullptr;
        Cooldown() = c.since;
        if (c.spoil) c.spoil(fighter);
        const bool strikes = c.leftOut && right;
        EXPECT_EQ(strikes ? -1 : 0, Run(fighter)) << c.situation;
        EXPECT_EQ(c.cooldownAfter, Cooldown()) << c.situation;
        EXPECT_EQ(c.leftOut, left->active) << c.situation;
        if (!strikes) continue;
        EXPECT_EQ(Vec2(-20, 50), At(left));
        EXPECT_EQ(Vec2(220, 50), At(right));
        for (GameObject* strike : {left, right}) EXPECT_EQ(1, Var<int>(strike, "Team"));
    }
}

TEST_F(SkillNodes, TheShieldStandsAFullBodyWidthInFrontOfTheLady) {
    const struct {
        float facing;
        double since;
        float x;  // 0: no shield
    } cases[] = {{1, 2, 150}, {-1, 2, 50}, {0, 2, 150}, {1, 1, 0}};
    for (const auto& c : cases) {
        Load("SpecialLadyNode", kLady);
        GameObject* shield = PoolCopy("Shield");
        sprite->scaleX = c.facing;
        Cooldown() = c.since;
        EXPECT_EQ(c.x ? -1 : 0, Run(fighter)) << c.facing << " " << c.since;
        EXPECT_EQ(c.x ? Vec2(c.x, 50) : Vec2(5000, 5000), At(shield)) << c.facing << " " << c.since;
        EXPECT_EQ(c.x ? 2 : 0, Var<int>(shield, "resSeq")) << "the Lady's place";
    }
    Load("SpecialLadyNode", kLady);
    EXPECT_EQ(0, Run(fighter)) << "no shield free";
    EXPECT_EQ(0.0, Cooldown()) << "a failed search still costs the cooldown";
    Load("SpecialLadyNode", kLady);
    GameObject* shield = PoolCopy("Shield");
    Hide(fighter, SPRITE);
    EXPECT_EQ(0, Run(fighter)) << "a Lady facing nowhere";
    EXPECT_FALSE(shield->active);
    EXPECT_EQ(2.0, Cooldown());
}

TEST_F(SkillNodes, TheNinjaDropsHisMarkerThenTeleportsBackToItOrWithoutOneJustGoesOn) {
    const std::vector<std::string> ninja = {In("GameObject*", 3), In("bool", 0), In("double", 0), In("double", 3)};
    Load("NinjaSkillNode", ninja);
    Spawn("NinjaBlueSkill1", "copy");
    EXPECT_EQ(-1, Run(fighter)) << "no marker for team 1, place 2";
    EXPECT_TRUE(Var<bool>(fighter, "TeleBool"));

    GameObject* marker = Spawn("NinjaBlueSkill2", "copy");
    GiveBody(marker, 0, -2000);
    const struct {
        double timer;
        Vec2 ninja, marker;
    } runs[] = {{2, {100, 50}, {100, -14}}, {1, {700, 300}, {100, -14}}, {1.1, {100, 50}, {100, -2000}}};
    for (const auto& run : runs) {
        if (run.timer == 1) BodyOf(fighter)->shape->SetPosition(700, 300);
        Var<double>(fighter, "CurrTimer") = run.timer;
        EXPECT_EQ(-1, Run(fighter)) << run.timer;
        EXPECT_EQ(run.ninja, At(fighter)) << run.timer;
        EXPECT_EQ(run.marker, At(marker)) << run.timer;
    }
    EXPECT_EQ(marker, Var<GameObject*>(fighter, "TeleObj"));
    EXPECT_TRUE(Var<bool>(fighter, "TeleBool"));
}

TEST_F(SkillNodes, AnAuraStandsOnTheBottomLineOfItsCharacter) {
    Load("SetAuraNode", {In("GameObject*", 4)});
    GameObject* aura = Spawn("Aura", "copy");
    GiveBody(aura, 0, 0, 80, 100);
    Var<GameObject*>(fighter, "Aura") = aura;
    EXPECT_EQ(-1, Run(fighter));
    EXPECT_EQ(Vec2(100, 50 - 32 + 50), At(aura));
    Hide(fighter, BODY);
    BodyOf(aura)->shape->SetPosition(1, 1);
    EXPECT_EQ(-1, Run(fighter)) << "a character without a body";
    EXPECT_EQ(Vec2(1, 1), At(aura));
}

}  // namespace
