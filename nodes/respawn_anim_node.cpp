#include <string>

#include "graph/ai_manager.h"
#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// The height of the screen's middle, where the respawn light stands.
constexpr float kLightY = 360.0f;

// Stands the player's respawn light ("RespawnLight" + team + place, found once and kept in
// "RespawnObj") at the character's x and starts its animation for "RespawnTime"; marks the
// character as respawning. Without a light that can be placed and started, nothing changes.
class RespawnAnimNode : public Node<RespawnAnimNode> {
public:
    RespawnAnimNode()
        : Node(kRespawnAnimNode, {"NextAction"},
               {{"Reseq", VT_INT},
                {"IsRespawn", VT_BOOL},
                {"RespawnTime", VT_DOUBLE},
                {"RespawnObj", VT_GAME_OBJECT},
                {"Team", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        bool* respawning = GetInput<bool>(1, ctx);
        const double* duration = GetInput<double>(2, ctx);
        InputNode<GameObject*>* light = GetInputVariable<GameObject*>(3, ctx);
        if (!respawning || !duration || !light) return 0;
        if (!light->value) light->value = FindLight(ctx);

        const Body* body = OwnerBody(ctx);
        Body* lightBody = BodyOf(light->value);
        double* animTime = ObjectVariable<double>(light->value, "AnimTime");
        bool* animating = ObjectVariable<bool>(light->value, "ActiveBool");
        if (!body || !lightBody || !animTime || !animating) return 0;
        lightBody->shape->SetPosition(body->Position().x, kLightY);
        *animTime = *duration;
        *animating = true;
        *respawning = true;
        return RunOutput(0, ctx);
    }

private:
    GameObject* FindLight(AI_Component* ctx) const {
        const int* seq = GetInput<int>(0, ctx);
        const int* team = GetInput<int>(4, ctx);
        const AI_Manager* manager = TheAiManager();
        if (!seq || !team || !manager) return nullptr;
        const std::string name = "RespawnLight" + std::to_string(*team) + std::to_string(*seq);
        return manager->FindObject("Default", name, AI_Manager::kAllMaps);
    }
};
}  // namespace

void RegisterRespawnAnimNode() { RegisterNode<RespawnAnimNode>("RespawnAnimNode"); }
