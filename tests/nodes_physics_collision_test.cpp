// Collision and team queries: what a character touched in the last physics step, whose team
// an object plays for, and which player object belongs to a character.
#include <gtest/gtest.h>

#include "nodes/collision_query.h"
#include "nodes_physics_fixture.h"

namespace {

using namespace graphtext;

const std::string kRest = R"(
    "GameObject*": {"0": {"name": "Other"}, "1": {"name": "Nobody"}, "2": {"name": "Found"}},
    "string": {"0": {"name": "base", "val": "Player"}, "1": {"name": "empty", "val": ""},
               "2": {"name": "type", "val": "Player"}},
    "int": {"0": {"name": "Team", "val": 1}, "1": {"name": "resSeq", "val": 2}})";
// Graph-wide variables naming what to look for.
const std::string kGlobals = R"({"GameObject*": {
    "0": {"name": "Target", "search": {"0": "Player", "1": "Rival"}},
    "1": {"name": "AnyBall", "search": {"0": "Ball"}},
    "2": {"name": "AnyPlayer", "search": {"0": "Player"}},
    "3": {"name": "Wall", "search": {"0": "Boundary", "1": "Wall"}}}})";

class CollisionNodes : public PhysicsNodesTest {
protected:
    void Load(const std::vector<NodeText>& nodes, int root = 0) {
        LoadGraph("g", Graph(nodes, Vars("", kRest), kGlobals, root));
        self = Spawn("Self", "g");
        Var<GameObject*>(self, "Nobody") = nullptr;
    }
    GameObject* Partner(const std::string& type, const std::string& name = "Thing") {
        GameObject* partner = Spawn(name, "g", "{}", type);
        Touch(self, partner);
        return partner;
    }
    // What was touched before is forgotten, as at each physics step.
    static void NextStep() {
        CollisionMessage::Pairs().clear();
        CollisionMessage::Touches().clear();
    }
    GameObject* self = nullptr;
};

// IsCollidedNode with each of its ten outputs marked.
std::vector<NodeText> CollidedGraph(const std::string& target) {
    std::vector<NodeText> nodes = {{0, "IsCollidedNode", {}, {target}}};
    for (int k = 0; k < 10; ++k) {
        nodes[0].outs.push_back(k + 1);
        nodes.push_back({k + 1, "SetBoolToNode", {}, {In("bool", 20 + k)}});
    }
    return nodes;
}

TEST_F(CollisionNodes, ACollisionBranchesOnWhatWasTouched) {
    const std::string target = In("GameObject*", 0, true);
    struct Case {
        const char* situation;
        const char* type;
        const char* name;
        std::string input;
        std::vector<int> taken;
    } cases[] = {
        {"a platform", "Platform", "Ledge", target, {2}},
        {"a player", "Player", "Lady", target, {3}},
        {"the particular rival beats its type", "Player", "Rival", target, {1}},
        {"the rival unsought when not global", "Player", "Rival", In("GameObject*", 0, false), {3}},
        {"an attack", "Attack", "Punch", target, {4}},
        {"a respawn point", "Respawn", "Spawn", target, {5}},
        {"the ball", "Ball", "Ball", target, {6}},
        {"the environment", "Environment", "Tree", target, {7}},
        {"a door", "Door", "Exit", target, {8}},
        {"a boundary, then nothing", "Boundary", "Wall", "", {0, 9}},
        {"a default object", "Default", "Crate", target, {0}},
    };
    for (const Case& c : cases) {
        Load(CollidedGraph(c.input));
        Partner(c.type, c.name);
        EXPECT_EQ(-1, Run(self)) << c.situation;
        EXPECT_EQ(c.taken, Taken(self)) << c.situation;
        NextStep();
    }
    Load(CollidedGraph(target));
    Partner("Player");
    ai->collisions = nullptr;
    EXPECT_EQ(-1, Run(self));
    EXPECT_EQ(std::vector<int>{0}, Taken(self)) << "before physics ever reported";
    ai->collisions = &CollisionMessage::Pairs();
    NextStep();
    Touch(Spawn("Alone", "g", "{}", "Player"), Spawn("Other", "g", "{}", "Player"));
    Run(self);
    EXPECT_EQ(std::vector<int>{0}, Taken(self)) << "touching nothing while others touch";
}

TEST_F(CollisionNodes, UnconnectedTypeOutputsAreSkippedAndBoundaryChainsComeFirst) {
    // "Boundary" runs a chain that ends with 0; the call returns the "No Collision" result.
    Load({{0, "IsCollidedNode", {1, -1, -1, -1, -1, -1, -1, -1, -1, 2}, {}},
          {1, "SetBoolToNode", {}, {In("bool", 20)}},
          {2, "SetBoolToNode", {3}, {In("bool", 29)}},
          {3, "GetPositionNode", {}, {""}}});
    Partner("Boundary");
    EXPECT_EQ(-1, Run(self));
    EXPECT_EQ((std::vector<int>{0, 9}), Taken(self));

    // A player touched with no "Player" chain falls through to "No Collision".
    NextStep();
    Partner("Player");
    EXPECT_EQ(-1, Run(self));
    EXPECT_EQ(std::vector<int>{0}, Taken(self));

    // Both halves of an edge touched in one step run the "Boundary" chain once (counted in
    // "resSeq"), or a character carrying the ball would cross and cross straight back.
    Load({{0, "IsCollidedNode", {-1, -1, -1, -1, -1, -1, -1, -1, -1, 1}, {}},
          {1, "IncreaseIntNode", {}, {In("int", 1), In("int", 0)}}});
    Var<int>(self, "resSeq") = 0;
    Partner("Boundary", "Edge");
    Partner("Boundary", "Edge_2");
    Run(self);
    EXPECT_EQ(1, Var<int>(self, "resSeq"));

    // A connected output whose target names no node ends the call with -1 and nothing else.
    Load({{0, "IsCollidedNode", {1, -1, -1, 42}, {}}, {1, "GetPositionNode", {}, {""}}});
    Partner("Player");
    EXPECT_EQ(-1, Run(self));
    NextStep();
    Partner("Default");
    EXPECT_EQ(0, Run(self)) << "no collision runs node 1, which stops";
}

TEST_F(CollisionNodes, TheTouchedObjectIsHandedOnExceptForPlatformsAndRespawns) {
    struct Case {
        const char* type;
        int output;
        std::vector<int> taken;  // 0: handed on and of the same team, 1: handed on, of the other
        int team = 1;
        // Also touched in the same step, as the first partner; a player of the running team.
        const char* beside = "";
    } cases[] = {
        {"Player", 3, {0}}, {"Attack", 4, {0}}, {"Ball", 6, {0}}, {"Environment", 7, {0}},
        {"Door", 8, {0}}, {"Platform", 2, {}}, {"Respawn", 5, {}},
        // A player pressed against a character, with no chain of its own, hides neither a
        // punch nor the ball.
        {"Attack", 4, {0}, 1, "Player"}, {"Ball", 6, {0}, 1, "Player"},
        // A punch that touches its own thrower and a foe in one step, and a character touched
        // by a mate's punch and a foe's: the foe is the answer.
        {"Player", 3, {1}, 0, "Player"}, {"Attack", 4, {1}, 0, "Attack"},
    };
    for (const Case& c : cases) {
        std::vector<int> outs(10, -1);
        outs[static_cast<size_t>(c.output)] = 1;
        // IsMyTeamNode without a bound target uses what it was handed.
        Load({{0, "IsCollidedNode", outs, {}}, {1, "IsMyTeamNode", {2, 3}, {""}},
              {2, "SetBoolToNode", {}, {In("bool", 20)}}, {3, "SetBoolToNode", {}, {In("bool", 21)}}});
        GameObject* partner = Partner(c.type);
        Var<int>(partner, "Team") = c.team;
        if (*c.beside) Partner(c.beside, "Beside");
        Run(self);
        EXPECT_EQ(c.taken, Taken(self)) << c.type << " beside " << c.beside;
        NextStep();
    }
}

// Which of the things touched in one step a collision query answers with. The running object
// plays for team 1; the query wants players and punches, but none named "Unsought...".
TEST_F(CollisionNodes, AFoesTouchCountsOverAMatesOfTheSameKind) {
    struct Touched {
        const char* type;
        const char* name;
        int team;  // -1: plays in no team
    };
    const struct {
        const char* what;
        std::vector<Touched> touched;  // in the order physics found them
        const char* answer;            // "": nothing
    } cases[] = {
        {"a mate's punch gives way to a foe's punch touched in the same step",
         {{"Attack", "MatePunch", 1}, {"Attack", "FoePunch", 0}}, "FoePunch"},
        {"a punch's own thrower gives way to the foe in his face", {{"Player", "Thrower", 1}, {"Player", "Foe", 0}}, "Foe"},
        {"a mate touched alone is the answer", {{"Player", "Mate", 1}}, "Mate"},
        {"of two mates, the first found is the answer", {{"Player", "Mate", 1}, {"Player", "OtherMate", 1}}, "Mate"},
        {"a foe of another kind does not take a mate's place", {{"Attack", "MatePunch", 1}, {"Player", "Foe", 0}},
         "MatePunch"},
        {"a foe the query does not want does not take a mate's place",
         {{"Player", "Mate", 1}, {"Player", "UnsoughtFoe", 0}}, "Mate"},
        {"a touch of no team gives way to no one: only a mate does",
         {{"Player", "Teamless", -1}, {"Player", "Foe", 0}}, "Teamless"},
        {"something of no team is no foe", {{"Player", "Mate", 1}, {"Player", "Teamless", -1}}, "Mate"},
        {"what the query does not want is passed over", {{"Player", "UnsoughtMate", 1}, {"Player", "Mate", 1}}, "Mate"},
        {"nothing wanted was touched", {{"Ball", "Ball", 2}}, ""},
    };
    const auto wanted = [](const GameObject& touched) {
        return (touched.typeId == GameObject::LookUpTypeId("Player") ||
                touched.typeId == GameObject::LookUpTypeId("Attack")) &&
               touched.name.rfind("Unsought", 0) != 0;
    };
    for (const auto& c : cases) {
        Load({{0, "SetBoolToNode", {}, {In("bool", 20)}}});
        // The latest touch stands for the one physics found first.
        for (auto it = c.touched.rbegin(); it != c.touched.rend(); ++it) {
            GameObject* object = Partner(it->type, it->name);
            if (it->team < 0) {
                ObjectVariableNode<int>(object, "Team")->name = "renamed";
            } else {
                Var<int>(object, "Team") = it->team;
            }
        }
        const GameObject* answer = FindCollisionPartner(self, wanted);
        EXPECT_EQ(c.answer, answer ? answer->name : "") << c.what;
        NextStep();
    }
}

// The team check answers for the object it is given, bound or handed over by a collision
// query: a mate is a mate even while a foe of the same kind was touched beside it, or instead.
TEST_F(CollisionNodes, TheTeamCheckAnswersForTheObjectItIsGiven) {
    const std::string rival = In("GameObject*", 0, true);
    for (const bool bound : {false, true}) {
        for (const bool mateTouched : {true, false}) {
            if (!bound && !mateTouched) continue;  // a query hands over only what was touched
            Load({{0, "IsCollidedObjNode", {1, 1}, {rival, ""}},
                  {1, "IsMyTeamNode", {2, 3}, {bound ? In("GameObject*", 0) : ""}},
                  {2, "SetBoolToNode", {}, {In("bool", 20)}}, {3, "SetBoolToNode", {}, {In("bool", 21)}}});
            Var<int>(Partner("Player", "Foe"), "Team") = 0;
            GameObject* mate = mateTouched ? Partner("Player", "Rival") : Spawn("Rival", "g", "{}", "Player");
            Var<GameObject*>(self, "Other") = mate;
            Run(self);
            EXPECT_EQ(std::vector<int>{0}, Taken(self))
                << (bound ? "a bound mate" : "a mate handed over") << (mateTouched ? ", touched" : ", not touched")
                << ", with a foe's player touched too, is told for a mate";
            NextStep();
        }
    }
}

TEST_F(CollisionNodes, CollidedObjMatchesAParticularObjectOrAType) {
    const std::string rival = In("GameObject*", 0, true), anyBall = In("GameObject*", 1, true);
    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        const char* type;
        const char* name;
        int taken;
        const char* beside = "";  // also touched in the same step, as the first partner
    } cases[] = {
        {"the rival", {rival, anyBall}, "Player", "Rival", 0},
        {"the rival behind another player", {rival, anyBall}, "Player", "Rival", 0, "Player"},
        {"any ball, behind a player", {"", anyBall}, "Ball", "Ball7", 0, "Player"},
        {"another player is not the rival", {rival, anyBall}, "Player", "Lady", 1},
        {"the type is ignored when a particular object is asked", {rival, anyBall}, "Ball", "Ball", 1},
        {"any ball", {"", anyBall}, "Ball", "Ball7", 0},
        {"not a ball", {"", anyBall}, "Player", "Ball", 1},
        {"a particular input not global is ignored", {In("GameObject*", 0), anyBall}, "Ball", "B", 0},
        {"a type input not global is ignored", {"", In("GameObject*", 1)}, "Ball", "B", 1},
        {"nothing asked", {"", ""}, "Ball", "B", 1},
    };
    for (const Case& c : cases) {
        Load({{0, "IsCollidedObjNode", {1, 2}, c.ins}, {1, "IsMyTeamNode", {3, 3}, {""}},
              {2, "SetBoolToNode", {}, {In("bool", 21)}}, {3, "SetBoolToNode", {}, {In("bool", 20)}}});
        GameObject* partner = Partner(c.type, c.name);
        Var<int>(partner, "Team") = 0;
        if (*c.beside) Partner(c.beside, "Beside");
        Run(self);
        EXPECT_EQ(std::vector<int>{c.taken}, Taken(self)) << c.situation << " (the match is handed on)";
        NextStep();
    }
    Load({{0, "IsCollidedObjNode", {1, 2}, {rival, anyBall}}, {1, "SetBoolToNode", {}, {In("bool", 20)}},
          {2, "SetBoolToNode", {}, {In("bool", 21)}}});
    Run(self);
    EXPECT_EQ(std::vector<int>{1}, Taken(self)) << "touching nothing";
}

TEST_F(CollisionNodes, TeamQueries) {
    struct Case {
        const char* situation;
        NodeText node;
        bool otherHasTeam;
        int otherTeam;
        int result;
        std::vector<int> taken;
    } cases[] = {
        {"same team", {0, "IsMyTeamNode", {}, {In("GameObject*", 0)}}, true, 1, -1, {0}},
        {"other team", {0, "IsMyTeamNode", {}, {In("GameObject*", 0)}}, true, 0, -1, {1}},
        {"no target", {0, "IsMyTeamNode", {}, {In("GameObject*", 1)}}, true, 1, 0, {}},
        {"a target without a team", {0, "IsMyTeamNode", {}, {In("GameObject*", 0)}}, false, 1, 0, {}},
        {"red", {0, "GetTeamNode", {}, {In("GameObject*", 0)}}, true, 0, -1, {0}},
        {"blue", {0, "GetTeamNode", {}, {In("GameObject*", 0)}}, true, 1, -1, {1}},
        {"the ball's team", {0, "GetTeamNode", {}, {In("GameObject*", 0)}}, true, 2, -1, {2}},
        {"team 5", {0, "GetTeamNode", {}, {In("GameObject*", 0)}}, true, 5, -1, {2}},
        {"team -1", {0, "GetTeamNode", {}, {In("GameObject*", 0)}}, true, -1, -1, {2}},
        {"no team", {0, "GetTeamNode", {}, {In("GameObject*", 0)}}, false, 0, -1, {2}},
        {"no object", {0, "GetTeamNode", {}, {In("GameObject*", 1)}}, true, 0, -1, {2}},
        {"unbound", {0, "GetTeamNode", {}, {""}}, true, 0, -1, {2}},
    };
    for (const Case& c : cases) {
        Load(Branching(c.node, 3));
        GameObject* other = Spawn("Other", "g");
        if (c.otherHasTeam) {
            Var<int>(other, "Team") = c.otherTeam;
        } else {
            ObjectVariableNode<int>(other, "Team")->name = "renamed";
        }
        Var<GameObject*>(self, "Other") = other;
        EXPECT_EQ(c.result, Run(self)) << c.situation;
        EXPECT_EQ(c.taken, Taken(self)) << c.situation;
    }
}

TEST_F(CollisionNodes, PlaceInTheTeam) {
    const std::pair<int, std::vector<int>> cases[] = {{1, {0}}, {2, {1}}, {0, {}}, {3, {}}};
    for (const auto& [place, taken] : cases) {
        Load(Branching({0, "IsReSeqNode", {}, {}}, 2));
        Var<int>(self, "resSeq") = place;
        EXPECT_EQ(taken.empty() ? 0 : -1, Run(self)) << place;
        EXPECT_EQ(taken, Taken(self)) << place;
    }
    Load(Branching({0, "IsReSeqNode", {}, {}}, 2));
    ObjectVariableNode<int>(self, "resSeq")->name = "renamed";
    EXPECT_EQ(0, Run(self));
}

TEST_F(CollisionNodes, APlayerObjectIsFoundByTeamAndPlaceAndKept) {
    Load({{0, "FindPlayerGObjNode", {1}, {In("GameObject*", 2), In("string", 0), In("string", 2)}},
          {1, "SetBoolToNode", {}, {In("bool", 20)}}});
    EXPECT_EQ(-1, Run(self)) << "nothing to find yet";
    EXPECT_EQ(nullptr, Var<GameObject*>(self, "Found"));
    EXPECT_EQ(std::vector<int>{0}, Taken(self));
    Spawn("Player12", "g", "{}", "Default");
    GameObject* player = Spawn("Player12", "g", "{}", "Player", 3);
    EXPECT_EQ(-1, Run(self)) << "a failed search is repeated";
    EXPECT_EQ(player, Var<GameObject*>(self, "Found")) << "of the type asked for, in any map";
    player->name = "Moved";
    GameObject* later = Spawn("Player12", "g", "{}", "Player");
    Run(self);
    EXPECT_EQ(player, Var<GameObject*>(self, "Found")) << "kept once found";
    (void)later;

    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        const char* name;
        const char* type;
        int result;
        bool found;
    } cases[] = {
        {"type defaults to Default", {In("GameObject*", 2), In("string", 0), ""}, "Player12", "Default", -1, true},
        {"an empty base name gives bare digits", {In("GameObject*", 2), In("string", 1), In("string", 2)}, "12", "Player",
         -1, true},
        {"no base name", {In("GameObject*", 2), "", In("string", 2)}, "12", "Player", 0, false},
        {"nowhere to keep it", {"", In("string", 0), In("string", 2)}, "Player12", "Player", 0, false},
    };
    for (const Case& c : cases) {
        GameStateManager::DestroyAllObjects();
        Load({{0, "FindPlayerGObjNode", {}, c.ins}});
        GameObject* wanted = Spawn(c.name, "g", "{}", c.type);
        EXPECT_EQ(c.result, Run(self)) << c.situation;
        EXPECT_EQ(c.found ? wanted : nullptr, Var<GameObject*>(self, "Found")) << c.situation;
    }
}

}  // namespace
