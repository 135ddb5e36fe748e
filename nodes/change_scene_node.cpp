#include <string>

#include "core/message_prototypes.h"
#include "flow/flow_messages.h"
#include "flow/game_state_manager.h"
#include "graph/ai_manager.h"
#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/own_variable.h"
#include "nodes/scene_position.h"

namespace {
// A boundary's partner on the other side of the same line: "Gate" pairs with "Gate_2".
std::string PartnerName(const std::string& name) {
    const size_t mark = name.find("_2");
    return mark == std::string::npos ? name + "_2" : name.substr(0, mark);
}

// The variables a boundary carries between scenes.
struct BoundaryVariables {
    int* scene = nullptr;
    int* team = nullptr;
    int* direction = nullptr;

    explicit BoundaryVariables(const GameObject* boundary)
        : scene(ObjectVariable<int>(boundary, "Scene")),
          team(TeamOf(boundary)),
          direction(ObjectVariable<int>(boundary, "Direction")) {}
    bool Complete() const { return scene && team && direction; }
};

// An object crosses a boundary between camera scenes: when it comes from the other side, it
// and the boundary (with its partner) swap scenes, and the boundary now faces the other team.
// The camera then moves to the boundary's scene. Everything is checked before anything is
// written, so a crossing with a piece missing changes nothing and the chain stops.
class ChangeSceneNode : public Node<ChangeSceneNode> {
public:
    ChangeSceneNode()
        : Node(kChangeSceneNode, {"Next"},
               {{"BoundaryObj", VT_GAME_OBJECT}, {"ScenePos1", VT_VEC2}, {"ScenePos2", VT_VEC2}, {"ScenePos3", VT_VEC2}}),
          message_(CloneMessage<ChangeSceneMessage>()) {
        AddCarrier<Vec2>(0);
    }

    int Execute(AI_Component* ctx) override {
        GameObject* const* boundaryInput = GetInput<GameObject*>(0, ctx);
        GameObject* boundary = boundaryInput ? *boundaryInput : nullptr;
        int* ownScene = OwnVariable<int>(ctx, "Scene");
        GameObject** current = ObjectVariable<GameObject*>(level_.Get(), "CurrentBoundary");
        if (!boundary || !ownScene || !current) return 0;
        BoundaryVariables crossed(boundary);
        if (!crossed.scene) return 0;
        const int b = *crossed.scene;
        const int s = *ownScene;
        const Vec2* position = ScenePosition(*this, 1, b, ctx);
        if (!position) return 0;

        if (b != s) {
            const int* ownTeam = OwnTeam(ctx);
            auto* ai = TheAiManager();
            GameObject* partner = ai ? ai->FindObject("Boundary", PartnerName(boundary->name), 1) : nullptr;
            BoundaryVariables paired(partner);
            if (!ownTeam || !crossed.Complete() || !paired.Complete()) return 0;

            const int team = *ownTeam != 1 ? 1 : 0;
            const int direction = s - b;
            *ownScene = b;
            *crossed.scene = s;
            *crossed.team = team;
            *crossed.direction = direction;
            *paired.team = team;
            *paired.scene = s;
            *paired.direction = direction;
        }

        GameStateManager::requestedScene = b;
        message_->Send();
        *current = boundary;
        SendData<Vec2>(OutputTarget(0), 0, *position);
        return RunOutput(0, ctx);
    }

private:
    ChangeSceneMessage* message_;
    LevelObjectLookup level_;
};
}  // namespace

void RegisterChangeSceneNode() { RegisterNode<ChangeSceneNode>("ChangeSceneNode"); }
