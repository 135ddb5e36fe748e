#include <string>

#include "graph/ai_manager.h"
#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/own_variable.h"

namespace {
constexpr float kMarkerOffset = 64.0f;
// Where the marker waits, out of every scene, between teleports.
constexpr float kParkedMarkerY = -2000.0f;

// The Ninja's marker of this player: "NinjaRedSkill1", "NinjaBlueSkill2" ...; null when the
// level has none or the player has no team or place.
GameObject* FindMarker(const AI_Component* ctx) {
    const int* team = OwnTeam(ctx);
    const int* seq = OwnVariable<int>(ctx, "resSeq");
    const AI_Manager* manager = TheAiManager();
    if (!team || !seq || !manager) return nullptr;
    const std::string name = std::string("Ninja") + (*team == 0 ? "Red" : "Blue") + "Skill" + std::to_string(*seq);
    return manager->FindObject("Default", name, AI_Manager::kAllMaps);
}

// The Ninja's teleport, in two uses once "CurrTimer" has passed "TimeLimit": with "TeleBool"
// set the marker is dropped just below him; the next use takes him back to just above it and
// parks the marker. The graph restarts the timer. Without a marker he simply goes on.
class NinjaSkillNode : public Node<NinjaSkillNode> {
public:
    NinjaSkillNode()
        : Node(kNinjaSkillNode, {"Next"},
               {{"TeleObj", VT_GAME_OBJECT}, {"TeleBool", VT_BOOL}, {"TimeLimit", VT_DOUBLE}, {"CurrTimer", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        InputNode<GameObject*>* marker = GetInputVariable<GameObject*>(0, ctx);
        bool* dropMarker = GetInput<bool>(1, ctx);
        const double* limit = GetInput<double>(2, ctx);
        const double* timer = GetInput<double>(3, ctx);
        if (!marker || !dropMarker || !limit || !timer) return 0;
        if (!marker->value) marker->value = FindMarker(ctx);

        Body* body = OwnerBody(ctx);
        Body* markerBody = BodyOf(marker->value);
        if (*timer > *limit && body && markerBody) {
            if (*dropMarker) {
                const Vec2 p = body->Position();
                markerBody->shape->SetPosition(p.x, p.y - kMarkerOffset);
            } else {
                const Vec2 m = markerBody->Position();
                body->shape->SetPosition(m.x, m.y + kMarkerOffset);
                markerBody->shape->SetY(kParkedMarkerY);
            }
            *dropMarker = !*dropMarker;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterNinjaSkillNode() { RegisterNode<NinjaSkillNode>("NinjaSkillNode"); }
